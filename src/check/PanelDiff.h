#pragma once

#include "check/ChangeLine.h"

namespace qb {

class ConfigStore;

// Mimic module registrations, the MDM mode and the LEDs of every module:
// "mimic module 3 LED 17: cause NULL -> Zone to LED, zone 04".
void diffMimic(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines);

// The panel tables, in this order: keypad points, hand control points, broadcast controllers
// and points, hydrant inputs with their outputs, gas zones. Points and inputs are compared place
// by place, as their dialogs page through them.
void diffPanels(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines);

} // namespace qb
