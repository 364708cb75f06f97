#include "devices/MimicLedEditor.h"
