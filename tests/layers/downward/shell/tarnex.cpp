#include "run/qarn.h"
#include "shell/menu_bar.h"
#include <vector>
