#include "KeypadEditor.h"
