#pragma once

#include "check/RecordFields.h"

#include <optional>

namespace qb {

class ConfigStore;
struct MimicLed;

// The records of the panel tables in the words of their dialogs, read from the store's working
// copies; the comparison and the report both read them so. Slot `index` is 0-based and must lie
// within its table. Nothing for a slot the table marks free (broadcast points, hydrant inputs);
// the packed tables (keypad, hand control) count their points themselves.
std::optional<RecordFields> keypadPointView(const ConfigStore& store, int index);
std::optional<RecordFields> handControlPointView(const ConfigStore& store, int index);
std::optional<RecordFields> broadcastControllerView(const ConfigStore& store, int index);
std::optional<RecordFields> broadcastPointView(const ConfigStore& store, int index);
std::optional<RecordFields> hydrantInputView(const ConfigStore& store, int index);
std::optional<RecordFields> gasZoneView(const ConfigStore& store, int index);

// Cause, indication, host, loop and what the LED shows: "address 017", "zone 04".
RecordFields mimicLedView(const MimicLed& led);

} // namespace qb
