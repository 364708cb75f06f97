#include "LinkageRules.h"
