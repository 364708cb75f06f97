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

} // namespace qb
