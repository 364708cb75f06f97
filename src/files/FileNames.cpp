#include "FileNames.h"

#include <charconv>

namespace qb {

std::string hostNumberText(std::uint8_t hostIndex) {
    const int host = hostIndex + 1;
    char digits[4];
    const std::string text(digits, std::to_chars(digits, digits + sizeof digits, host).ptr);
    return text.size() >= 3 ? text : std::string(3 - text.size(), '0') + text;
}

std::string deviceFileName(int fileNumber) {
    if (fileNumber == 41) {
        return "ID7F";
    }
    if (fileNumber == 42) {
        return "ID7E";
    }
    char digits[12];
    const std::string number(digits, std::to_chars(digits, digits + sizeof digits, fileNumber).ptr);
    return (number.size() < 2 ? "ID0" : "ID") + number;
}

std::string fileName(std::uint8_t hostIndex, std::string_view name) {
    std::string text = "M";
    text.append(hostNumberText(hostIndex)).append(name).append(".BIN");
    return text;
}

std::optional<ParsedFileName> parseFileName(std::string_view fileName) {
    constexpr std::string_view kExtension = ".BIN";
    constexpr std::size_t kDigits = 3;
    constexpr std::size_t kNameSize = 4;
    if (fileName.size() != 1 + kDigits + kNameSize + kExtension.size() || fileName[0] != 'M' ||
        !fileName.ends_with(kExtension)) {
        return std::nullopt;
    }
    int host = 0;
    const char* digits = fileName.data() + 1;
    const auto [end, error] = std::from_chars(digits, digits + kDigits, host);
    if (error != std::errc() || end != digits + kDigits || host < 1 || host > 256) {
        return std::nullopt;
    }
    return ParsedFileName{static_cast<std::uint8_t>(host - 1),
                          std::string(fileName.substr(1 + kDigits, kNameSize))};
}

std::filesystem::path filePath(const std::filesystem::path& dataFolder, std::uint8_t hostIndex,
                               std::string_view name) {
    return dataFolder / fileName(hostIndex, name);
}

} // namespace qb
