#pragma once

#include "FileHeader.h"
#include "HeaderedImage.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qb {

// The CAN network table, held byte for byte as NET_.BIN stores it after the header.
class NetworkTable : public HeaderedImage<3088> {
public:
    static constexpr int kHosts = 254;
    static constexpr std::uint8_t kHostTypeRegistered = 3;

    // Data offsets (file offset minus 32).
    static constexpr std::size_t kHostIndexOffset = 0;
    static constexpr std::size_t kShareOffset = 24;
    static constexpr std::size_t kRegistrationBase = 25; // + host number
    static constexpr std::size_t kHostTypeBase = 279;    // + host number

    // The own host number minus 1; it selects every file name.
    std::uint8_t hostIndex() const { return data[kHostIndexOffset]; }
    void setHostIndex(std::uint8_t index) { data[kHostIndexOffset] = index; }

    std::uint8_t share() const { return data[kShareOffset]; }
    void setShare(std::uint8_t value) { data[kShareOffset] = value; }

    // Host h, 1..254.
    std::uint8_t& hostRegistration(int h) { return data.at(kRegistrationBase + checked(h)); }
    std::uint8_t hostRegistration(int h) const { return data.at(kRegistrationBase + checked(h)); }
    std::uint8_t& hostType(int h) { return data.at(kHostTypeBase + checked(h)); }
    std::uint8_t hostType(int h) const { return data.at(kHostTypeBase + checked(h)); }

    static NetworkTable defaults(const FileHeader& headerTemplate) {
        NetworkTable table;
        table.header = FileHeader::fromTemplate(headerTemplate, tags::kNetwork);
        table.hostRegistration(1) = 1;
        return table;
    }

    bool operator==(const NetworkTable&) const = default;

private:
    static std::size_t checked(int h) {
        return (h >= 1 && h <= kHosts) ? static_cast<std::size_t>(h) : kDataSize;
    }
};

} // namespace qb
