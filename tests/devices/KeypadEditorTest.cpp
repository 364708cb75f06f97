#include "devices/KeypadEditor.h"
