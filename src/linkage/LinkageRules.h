#pragma once

#include "LinkageTables.h"
