#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace qb::messages {

// printf-style formatting of a message text.
template <class... Args> std::string format(const char* pattern, Args... args) {
    char buffer[512];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, args...);
    return length < 0 ? std::string()
                      : std::string(buffer, std::min<std::size_t>(length, sizeof buffer - 1));
}

// Texts that the file builders hand to their callers, exactly as the installer sees them.

// A zone name over 12 bytes: Data export and the Zone page's Save word it differently.
std::string zoneNameTooLongOnExport(int zone);
// A device position over its limit during Data export (device file number, address).
std::string positionTooLongOnExport(int fileNumber, int address);
// Any text over its limit during a page's Save (zone number or address within its loop).
std::string textTooLongOnSave(int line);
// A file Load Data read whose length is not its layout's (file name as in the set, e.g.
// "M001ZONE.BIN"): a shorter one was read as far as it goes, the bytes past the layout of a
// longer one were left alone.
std::string unexpectedFileSize(const std::string& file, std::uintmax_t size, std::size_t expected);
// A file Load Data found but could not read (a folder or a special file of that name, no
// access, a failing medium), with the system's reason, e.g. "Permission denied".
std::string unreadableFile(const std::string& file, const std::string& reason);

} // namespace qb::messages
