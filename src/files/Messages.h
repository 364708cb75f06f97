#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
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

// The line that ends every refusal of an over-long text: the installer types characters, the
// files hold bytes of UTF-8, so only the two sizes in bytes explain why a short-looking text
// does not fit, e.g. "The limit is 12 bytes; this text has 18 bytes."
std::string byteLimitLine(std::size_t limitBytes, std::size_t textBytes);

// A zone name over 12 bytes: Data export and the Zone page's Save word their first line
// differently; both end with byteLimitLine.
std::string zoneNameTooLongOnExport(int zone, std::size_t limitBytes, std::size_t textBytes);
// A device position over its limit during Data export (device file number, address).
std::string positionTooLongOnExport(int fileNumber, int address, std::size_t limitBytes,
                                    std::size_t textBytes);
// Any text over its limit during a page's Save (zone number or address within its loop).
std::string textTooLongOnSave(int line, std::size_t limitBytes, std::size_t textBytes);
// A typed text refused as it is committed, naming its field, e.g. "Zone-3 Position".
std::string textTooLongForField(const std::string& field, std::size_t limitBytes,
                                std::size_t textBytes);
// A number typed into a cell outside low..high, e.g. "Zone" 1..32; nothing was stored.
std::string valueOutOfRange(const std::string& what, long low, long high, long value);
// A file Load Data read whose length is not its layout's (file name as in the set, e.g.
// "M001ZONE.BIN"): a shorter one was read as far as it goes, the bytes past the layout of a
// longer one were left alone.
std::string unexpectedFileSize(const std::string& file, std::uintmax_t size, std::size_t expected);
// A file Load Data found but could not read (a folder or a special file of that name, no
// access, a failing medium), with the system's reason, e.g. "Permission denied".
std::string unreadableFile(const std::string& file, const std::string& reason);

// The status line Load Data and Data export leave: "Loaded 48 files from …/Data; 2 problems",
// "Exported 50 files to …/Data". The folder is named by its last part; the status bar names it
// whole.
std::string loadedNote(int files, int problems, const std::filesystem::path& folder);
std::string exportedNote(int files, int problems, const std::filesystem::path& folder);

} // namespace qb::messages
