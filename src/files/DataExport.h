#pragma once

#include "LoadData.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qb {

inline const char* const kExportQuestion =
    "Sure you want to export the data? This will overwrite the existing configuration file data, "
    "please click 'OK', otherwise click  'Cancel' ";

// "Data export": empties the Data folder, then writes the current host's whole file set with
// computed checksums. Each table written becomes its own saved copy.
SetOutcome dataExport(ConfigStore& store, Prompter& prompter);

// Deletes everything inside the folder, depth first, and leaves the folder. Symbolic links are
// removed themselves, never followed. Returns the entries that could not be removed, described.
std::vector<std::string> emptyFolder(const std::filesystem::path& folder);

} // namespace qb
