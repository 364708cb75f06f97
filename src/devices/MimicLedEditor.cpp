#include "MimicLedEditor.h"
