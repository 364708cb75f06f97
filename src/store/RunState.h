#pragma once

#include "FileHeader.h"
#include "SystemCode.h"

#include <filesystem>

namespace qb {

// What is fixed for the whole run once the controller family is chosen.
struct RunState {
    SystemCode systemCode = SystemCode::TwoLoopSo12;
    FileHeader headerTemplate = FileHeader::makeTemplate(SystemCode::TwoLoopSo12);
    std::filesystem::path dataFolder;

    // Builds the header template and prepares the Data folder beside the program.
    static RunState begin(SystemCode code, const std::filesystem::path& programFolder);
};

// programFolder/"Data", created when missing. Creation failures are not reported here: the
// writers report them when a file cannot be written. Anything else named "Data" is left alone.
std::filesystem::path prepareDataFolder(const std::filesystem::path& programFolder);

// The folder that holds the running program file.
std::filesystem::path executableFolder();

} // namespace qb
