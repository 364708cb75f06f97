#pragma once

#include <filesystem>

namespace qb {

// The folder that holds the running program file.
std::filesystem::path executableFolder();

// programFolder/"Data", created when missing. Creation failures are not reported here: the
// writers report them when a file cannot be written. Anything else named "Data" is left alone.
std::filesystem::path prepareDataFolder(const std::filesystem::path& programFolder);

} // namespace qb
