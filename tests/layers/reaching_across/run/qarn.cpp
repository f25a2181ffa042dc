#include "templates/template_text.h"
