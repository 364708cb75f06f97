#include "Messages.h"

namespace qb::messages {

std::string byteLimitLine(std::size_t limitBytes, std::size_t textBytes) {
    return format("The limit is %zu bytes; this text has %zu bytes.", limitBytes, textBytes);
}

// The first lines below have always ended with their own "\n": the limit line follows it.
std::string zoneNameTooLongOnExport(int zone, std::size_t limitBytes, std::size_t textBytes) {
    return format("Input string too long,Zone %d\n", zone) + byteLimitLine(limitBytes, textBytes);
}

std::string positionTooLongOnExport(int fileNumber, int address, std::size_t limitBytes,
                                    std::size_t textBytes) {
    return format("Input string too long,Loop %d,Line %d\n", fileNumber, address) +
           byteLimitLine(limitBytes, textBytes);
}

std::string textTooLongOnSave(int line, std::size_t limitBytes, std::size_t textBytes) {
    return format("Input string too long,Line %d\n", line) + byteLimitLine(limitBytes, textBytes);
}

std::string textTooLongForField(const std::string& field, std::size_t limitBytes,
                                std::size_t textBytes) {
    return format("Input string too long for %s!\n", field.c_str()) +
           byteLimitLine(limitBytes, textBytes);
}

std::string valueOutOfRange(const std::string& what, long low, long high, long value) {
    return format("%s must be between %ld and %ld; %ld was not stored.", what.c_str(), low, high,
                  value);
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

namespace {

std::string setNote(const char* done, int files, const char* direction, int problems,
                    const std::filesystem::path& folder) {
    const std::filesystem::path named = folder.has_filename() ? folder : folder.parent_path();
    std::string line =
        format("%s %d %s %s \u2026/", done, files, files == 1 ? "file" : "files", direction);
    line += named.filename().string();
    if (problems > 0) {
        line += format("; %d %s", problems, problems == 1 ? "problem" : "problems");
    }
    return line;
}

} // namespace

std::string loadedNote(int files, int problems, const std::filesystem::path& folder) {
    return setNote("Loaded", files, "from", problems, folder);
}

std::string exportedNote(int files, int problems, const std::filesystem::path& folder) {
    return setNote("Exported", files, "to", problems, folder);
}

} // namespace qb::messages
