#include "shell/state.h"
