#pragma once

#include "LoadData.h"

namespace qb {

inline const char* const kExportQuestion =
    "Sure you want to export the data? This will overwrite the existing configuration file data, "
    "please click 'OK', otherwise click  'Cancel' ";

// "Data export": empties the folder, then writes the current host's whole file set with
// computed checksums. Each table written becomes its own saved copy; every file that could not
// be deleted or written is reported.
SetOutcome dataExport(ConfigStore& store, Folder& folder, Prompter& prompter);

// The same into the store's Data folder on disk.
SetOutcome dataExport(ConfigStore& store, Prompter& prompter);

} // namespace qb
