#include "Messages.h"

#include <algorithm>
#include <cstdio>

namespace qb::messages {

namespace {

template <class... Args> std::string format(const char* pattern, Args... args) {
    char buffer[256];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return length < 0 ? std::string() : std::string(buffer, std::min<int>(length, 255));
}

} // namespace

std::string zoneNameTooLongOnExport(int zone) {
    return format("Input string too long,Zone %d\n", zone);
}

std::string positionTooLongOnExport(int fileNumber, int address) {
    return format("Input string too long,Loop %d,Line %d\n", fileNumber, address);
}

std::string textTooLongOnSave(int line) {
    return format("Input string too long,Line %d\n", line);
}

} // namespace qb::messages
