#pragma once

#include <string_view>

namespace qb {

// What `quillbarrow-cli --help` prints: the commands, how a set is recognised, exit statuses.
std::string_view cliUsage();

} // namespace qb
