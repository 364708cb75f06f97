#pragma once

#include "check/ChangeLine.h"

namespace qb {

class ConfigStore;

// What changed from one configuration to another, one line per changed thing, in the words of
// the pages and dialogs rather than by byte offset, table by table: zones, network and hosts,
// displays, IO boards, the devices of boards 1..42, the linkage rules of each kind, mimic
// modules and LEDs, keypad points, hand control points, broadcast controllers and points,
// hydrant inputs, gas zones. Nothing for two configurations that mean the same.
//
// Both stores are read as their working copies. File headers (checksums included) and bytes
// that nothing reads are not compared. Linkage rules are matched by their kind and inputs, not
// by where they sit in the record pool or in their kind list; a rule's number in a line is its
// page in its kind list (in `after`, or in `before` for a removed one).
ChangeLines diffConfigurations(const ConfigStore& before, const ConfigStore& after);

} // namespace qb
