#pragma once

#include <ostream>
#include <string>

namespace qb {

class ConfigStore;

// The configuration in the store, readable: registered zones, hosts, displays, IO boards,
// registered devices, linkage rules with their outputs, mimic modules and keypad points.
void dumpText(const ConfigStore& store, std::ostream& out);
void dumpJson(const ConfigStore& store, std::ostream& out);

// A text as a JSON string, quotes included.
std::string jsonString(const std::string& text);

} // namespace qb
