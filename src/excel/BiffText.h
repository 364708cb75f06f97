#pragma once

#include "base/Result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qb {

// `count` characters from `at` in a record body, 8-bit (Latin-1) or UTF-16LE, as UTF-8; an
// unpaired surrogate becomes U+FFFD. Nothing when they run past the body.
std::optional<std::string> readBiffCharacters(std::span<const std::uint8_t> body, std::size_t at,
                                              std::size_t count, bool wide);

// The texts of a shared string table: the SST record's body followed by the bodies of the
// CONTINUE records after it. Characters continued into a CONTINUE start it with a fresh option
// byte; rich-text runs and phonetic data are skipped wherever they end. The table is untrusted:
// it holds at most as many texts as its bytes do, whatever count it claims, and a text cut short
// is an error, as is a table past the reader's limits on cells and text.
Result<std::vector<std::string>>
readSharedStringTable(const std::vector<std::span<const std::uint8_t>>& records);

} // namespace qb
