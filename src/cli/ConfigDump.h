#pragma once

#include <ostream>
#include <string>

namespace qb {

class ConfigStore;

// The configuration in the store, readable: registered zones, hosts, displays, IO boards,
// registered devices, linkage rules with their inputs, fire-signal counts and outputs, mimic
// modules and keypad points.
void dumpText(const ConfigStore& store, std::ostream& out);
void dumpJson(const ConfigStore& store, std::ostream& out);

} // namespace qb
