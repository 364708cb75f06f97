#pragma once

#include "LoadData.h"

#include <filesystem>

namespace qb {

inline const char* const kExportQuestion =
    "Sure you want to export the data? This will overwrite the existing configuration file data, "
    "please click 'OK', otherwise click  'Cancel' ";

// "Data export": builds the current host's whole file set with computed checksums and checks
// every text; then empties the folder and writes the set. A text that would be refused is
// reported, with every other one, and nothing on disk changes. Each table written becomes its
// own saved copy; every file that could not be deleted or written is reported.
SetOutcome dataExport(ConfigStore& store, Folder& folder, Prompter& prompter);

// What becomes of the set a Data folder held before an export.
enum class PreviousSet {
    KeepBeside, // moved into "Data.previous" beside it, replacing what that held
    Discard,    // deleted: for the command-line companion, which writes only where it is told
};

// The same into the store's Data folder on disk. Keeping the previous set, the question names
// the folder it goes to.
SetOutcome dataExport(ConfigStore& store, Prompter& prompter,
                      PreviousSet previous = PreviousSet::KeepBeside);

// Where an export keeps what the Data folder held: "Data.previous" beside it.
std::filesystem::path previousFolder(const std::filesystem::path& dataFolder);

} // namespace qb
