#pragma once

#include "check/ChangeLine.h"

namespace qb {

class ConfigStore;

// The linkage rules of each kind, in kind order. A rule is matched by its kind and its inputs
// (types, place or input devices), never by its record or page: first with a rule of the other
// set that agrees in everything, then with the next one of the same inputs in page order.
// A matched rule says what of it changed: "general rule 12: output 01-1-017 added"; an unmatched
// one is "added" or "removed" with its inputs, settings and outputs. The mimic LED records that
// share kind list 5 are left to diffMimic.
void diffLinkageRules(const ConfigStore& before, const ConfigStore& after, ChangeLines& lines);

} // namespace qb
