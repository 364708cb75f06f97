#pragma once

#include "base/Result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qb {

// The bytes of the "Workbook" stream of a Compound File (version 3 or 4), from the regular sectors
// or from the mini-stream. The file is untrusted: a chain that runs out of the file, loops or
// ends early, a missing stream or a bad header is an error (its text says what is wrong, the
// caller adds the file's name); nothing is read outside the bytes given.
Result<std::vector<std::uint8_t>> readWorkbookStream(std::span<const std::uint8_t> file);

} // namespace qb
