#include "FileNames.h"

#include <cstdio>

namespace qb {

std::string hostNumberText(std::uint8_t hostIndex) {
    const int host = hostIndex + 1;
    char text[8];
    std::snprintf(text, sizeof text, host <= 99 ? "%03d" : "%d", host);
    return text;
}

std::string deviceFileName(int fileNumber) {
    if (fileNumber == 41) {
        return "ID7F";
    }
    if (fileNumber == 42) {
        return "ID7E";
    }
    char text[16];
    std::snprintf(text, sizeof text, "ID%02d", fileNumber);
    return text;
}

std::string fileName(std::uint8_t hostIndex, std::string_view name) {
    std::string text = "M";
    text.append(hostNumberText(hostIndex)).append(name).append(".BIN");
    return text;
}

std::filesystem::path filePath(const std::filesystem::path& dataFolder, std::uint8_t hostIndex,
                               std::string_view name) {
    return dataFolder / fileName(hostIndex, name);
}

} // namespace qb
