#pragma once

#include "check/ChangeLine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qb {

// A record as its dialog shows it: its registration, its values by name and, for the tables
// that have them, its list of outputs. Panel records, mimic LEDs and linkage rules are compared
// through these.
struct RecordFields {
    std::uint8_t registration = 0;
    // Name and value; a value without a name, such as a LED's "zone 03", says what it is itself.
    std::vector<std::pair<std::string, std::string>> fields;
    bool hasOutputs = false;
    std::vector<std::string> outputs;

    void add(std::string name, std::string value) {
        fields.emplace_back(std::move(name), std::move(value));
    }
};

// The line of one place of a table: what changed when both sets use it ("keypad point 4:
// button 7 -> 9"), or "<subject> added: ..." / "<subject> removed: ..." with all it holds when
// only one does. Nothing when neither does. Both come from the same function, so their fields
// are in the same order.
void diffRecord(const std::string& subject, const std::optional<RecordFields>& before,
                const std::optional<RecordFields>& after, ChangeLines& lines);

} // namespace qb
