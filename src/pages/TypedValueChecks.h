#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qb {

class Prompter;

// What the installer types is checked as it is committed, not at Save or Data export: a value
// refused here never reaches the store, and the cell or box keeps the value it had. Each refusal
// is one message, captioned like the pages' other refusals.

// The editors count characters while the files hold UTF-8 bytes: a text fits its field when its
// UTF-8 form is within `limitBytes`, the field's limit as its file layout defines it. `field`
// names it for the installer, e.g. "Zone-3 Position". True when it fits.
bool fitsTextField(std::u16string_view text, std::size_t limitBytes, const std::string& field,
                   Prompter& prompter);

// A number typed into a cell is stored only within low..high; `what` names it, e.g. "Zone".
// True when it is within.
bool numberInRange(long value, long low, long high, const std::string& what, Prompter& prompter);

} // namespace qb
