#pragma once

#include "FileHeader.h"
#include "HeaderedImage.h"
#include "LittleEndian.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qb {

// The system settings record written as SYS_.BIN, held byte for byte after its header.
class SystemSettings : public HeaderedImage<56> {
public:
    // Data offsets (file offset minus 32).
    static constexpr std::size_t kHostNameOffset = 0;
    static constexpr std::size_t kHostNameField = 41;
    static constexpr std::size_t kOptionOffset = 41; // 81 at start; no editor changes it
    static constexpr std::size_t kHostPowerOffset = 45;
    static constexpr std::size_t kLinkagePowerOffset = 46;
    static constexpr std::size_t kPrinterOffset = 47;
    static constexpr std::size_t kBaudRateOffset = 48;
    static constexpr std::size_t kCanRateOffset = 52;

    static constexpr std::string_view kDefaultHostName = "The fire alarm controller";
    static constexpr std::uint32_t kDefaultBaudRate = 9600;
    static constexpr std::uint32_t kDefaultCanRate = 100000;

    std::string_view hostName() const {
        const char* text = reinterpret_cast<const char*>(data.data());
        const auto end = std::find(data.begin(), data.begin() + kHostNameField - 1, 0);
        return {text, static_cast<std::size_t>(end - data.begin())};
    }

    std::uint32_t baudRate() const { return le::readU32(data, kBaudRateOffset); }
    std::uint32_t canRate() const { return le::readU32(data, kCanRateOffset); }
    void setCanRate(std::uint32_t rate) { le::writeU32(data, kCanRateOffset, rate); }

    static SystemSettings defaults(const FileHeader& headerTemplate) {
        SystemSettings settings;
        settings.header = FileHeader::fromTemplate(headerTemplate, tags::kSystemSettings);
        std::copy(kDefaultHostName.begin(), kDefaultHostName.end(), settings.data.begin());
        settings.data[kOptionOffset] = 0x51;
        le::writeU32(settings.data, kBaudRateOffset, kDefaultBaudRate);
        le::writeU32(settings.data, kCanRateOffset, kDefaultCanRate);
        return settings;
    }

    bool operator==(const SystemSettings&) const = default;
};

} // namespace qb
