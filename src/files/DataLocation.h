#pragma once

#include "base/Result.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace qb {

// Whether a Data folder can be kept in `folder`: Ok, or why not.
using DataFolderProbe = std::function<Result<void>(const std::filesystem::path& folder)>;

// The folder that holds a run's Data folder and its device workbook (folder/Data,
// folder/devices.xls). "--base-dir" wins unprobed, as it always did: its failures show when a
// file is written. Otherwise the program's own folder, as long as `probe` can write there (a
// program run from its build folder); an installed program's folder is not writable, so the
// user's data folder takes its place. The error says that neither could be used.
Result<std::filesystem::path> chooseWorkFolder(const std::filesystem::path& programFolder,
                                               const std::optional<std::filesystem::path>& baseDir,
                                               const std::filesystem::path& userDataFolder,
                                               const DataFolderProbe& probe);

// Makes `folder` and folder/Data when missing, then writes and removes a file in the Data
// folder: permissions, a read-only medium or a file in the way all show here, before anything
// is edited.
Result<void> probeDataFolder(const std::filesystem::path& folder);

} // namespace qb
