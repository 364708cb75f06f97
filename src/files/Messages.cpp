#include "Messages.h"

namespace qb::messages {

std::string zoneNameTooLongOnExport(int zone) {
    return format("Input string too long,Zone %d\n", zone);
}

std::string positionTooLongOnExport(int fileNumber, int address) {
    return format("Input string too long,Loop %d,Line %d\n", fileNumber, address);
}

std::string textTooLongOnSave(int line) {
    return format("Input string too long,Line %d\n", line);
}

std::string unexpectedFileSize(const std::string& file, std::uintmax_t size, std::size_t expected) {
    const auto length = static_cast<unsigned long long>(size);
    const auto layout = static_cast<unsigned long long>(expected);
    if (size < expected) {
        return format("%s is %llu bytes long, %llu expected: read as far as it goes", file.c_str(),
                      length, layout);
    }
    return format("%s is %llu bytes long, %llu expected: the bytes after %llu were ignored",
                  file.c_str(), length, layout, layout);
}

std::string unreadableFile(const std::string& file, const std::string& reason) {
    return format("%s cannot be read: %s", file.c_str(), reason.c_str());
}

} // namespace qb::messages
