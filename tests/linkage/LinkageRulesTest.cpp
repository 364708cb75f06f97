#include "linkage/LinkageRules.h"
