#include "PanelTables.h"

#include "store/LittleEndian.h"

namespace qb {

namespace {

// The fields of a manual control slot.
namespace hand {
constexpr std::size_t kRegistered = 0;
constexpr std::size_t kInputBoard = 1;
constexpr std::size_t kInputAddress = 2; // 16-bit
constexpr std::size_t kInputLoop = 4;
constexpr std::size_t kOutputHost = 5;
constexpr std::size_t kOutputBoard = 6;
constexpr std::size_t kOutputLoop = 7;
constexpr std::size_t kOutputAddress = 8; // 16-bit
constexpr std::size_t kSpare = 10;        // 2 bytes
} // namespace hand

// The fields of a keypad record.
namespace keypad {
constexpr std::size_t kRegistered = 0;
constexpr std::size_t kKind = 1;
constexpr std::size_t kButton = 2;
constexpr std::size_t kTarget = 3;
constexpr std::size_t kLoop = 4;
constexpr std::size_t kSpare = 5;
constexpr std::size_t kAddress = 6; // 16-bit
} // namespace keypad

} // namespace

HandControlTable HandControlTable::defaults(const FileHeader& headerTemplate) {
    HandControlTable table;
    table.reset(headerTemplate, tags::kHandControl, 0xFF);
    return table;
}

int HandControlTable::pointCount() const {
    for (int slot = 0; slot < kRecords; ++slot) {
        if (le::readU16(record(slot), hand::kInputAddress) == HandControlPoint::kNoAddress) {
            return slot;
        }
    }
    return kRecords;
}

HandControlPoint HandControlTable::point(int index) const {
    const auto bytes = record(index);
    return {bytes[hand::kRegistered],
            bytes[hand::kInputBoard],
            le::readU16(bytes, hand::kInputAddress),
            bytes[hand::kInputLoop],
            bytes[hand::kOutputHost],
            bytes[hand::kOutputBoard],
            bytes[hand::kOutputLoop],
            le::readU16(bytes, hand::kOutputAddress),
            {bytes[hand::kSpare], bytes[hand::kSpare + 1]}};
}

void HandControlTable::setPoint(int index, const HandControlPoint& point) {
    const auto bytes = record(index);
    bytes[hand::kRegistered] = point.registration;
    bytes[hand::kInputBoard] = point.inputBoard;
    le::writeU16(bytes, hand::kInputAddress, point.inputAddress);
    bytes[hand::kInputLoop] = point.inputLoop;
    bytes[hand::kOutputHost] = point.outputHost;
    bytes[hand::kOutputBoard] = point.outputBoard;
    bytes[hand::kOutputLoop] = point.outputLoop;
    le::writeU16(bytes, hand::kOutputAddress, point.outputAddress);
    bytes[hand::kSpare] = point.spare[0];
    bytes[hand::kSpare + 1] = point.spare[1];
}

BroadcastTable BroadcastTable::defaults(const FileHeader& headerTemplate) {
    BroadcastTable table;
    table.reset(headerTemplate, tags::kBroadcast, 0x00);
    for (int n = 1; n <= kControllers; ++n) {
        table.registration(n) = 0xFF;
        table.record(n - 1)[kRecordSize - 1] = 0xFF; // the unused byte
    }
    return table;
}

int BroadcastTable::points(int n) const {
    if (registration(n) != 1) {
        return 30;
    }
    switch (sizeCode(n)) {
    case 1:
        return 60;
    case 2:
        return 90;
    default:
        return 30;
    }
}

BroadcastPointTable BroadcastPointTable::defaults(const FileHeader& headerTemplate) {
    BroadcastPointTable table;
    table.reset(headerTemplate, tags::kBroadcastPoints, 0xFF);
    return table;
}

BroadcastPointTable::Slot BroadcastPointTable::slot(int index) const {
    Slot bytes{};
    const auto stored = record(index);
    std::copy(stored.begin(), stored.end(), bytes.begin());
    return bytes;
}

void BroadcastPointTable::setSlot(int index, const Slot& bytes) {
    std::copy(bytes.begin(), bytes.end(), record(index).begin());
}

HydrantTable HydrantTable::defaults(const FileHeader& headerTemplate) {
    HydrantTable table;
    table.reset(headerTemplate, tags::kHydrant, 0xFF);
    return table;
}

GasZoneTable GasZoneTable::defaults(const FileHeader& headerTemplate) {
    // Manual release forbidden, pressure switch confirmation, 5 s manual and 20 s combined
    // delay, horn/strobe button allowed, two heat detectors, valve drive "10s".
    static constexpr std::uint8_t kRecord[kRecordSize] = {0, 0xA5, 0xAC, 5, 20, 0xAC, 0, 0,
                                                          2, 1,    2,    0, 0,  0,    0, 0};
    GasZoneTable table;
    table.reset(headerTemplate, tags::kGasZones, 0x00);
    for (int z = 0; z < kRecords; ++z) {
        std::copy(std::begin(kRecord), std::end(kRecord), table.record(z).begin());
    }
    return table;
}

bool MimicTable::anyRegistered() const {
    for (int module = 1; module <= kModules; ++module) {
        if (registration(module) == 1) {
            return true;
        }
    }
    return false;
}

MimicTable MimicTable::defaults(const FileHeader& headerTemplate) {
    MimicTable table;
    table.reset(headerTemplate, tags::kMimic, 0x00);
    table.setMode(1);
    return table;
}

int BroadcastPointTable::pointCount() const {
    for (int n = 0; n < kRecords; ++n) {
        if (!used(n)) {
            return n;
        }
    }
    return kRecords;
}

int KeypadTable::pointCount() const {
    for (int n = 0; n < kRecords; ++n) {
        if (record(n)[keypad::kButton] == KeypadPoint::kFree) {
            return n;
        }
    }
    return kRecords;
}

KeypadPoint KeypadTable::point(int index) const {
    const auto bytes = record(index);
    return {bytes[keypad::kRegistered],
            bytes[keypad::kKind],
            bytes[keypad::kButton],
            bytes[keypad::kTarget],
            bytes[keypad::kLoop],
            bytes[keypad::kSpare],
            le::readU16(bytes, keypad::kAddress)};
}

void KeypadTable::setPoint(int index, const KeypadPoint& point) {
    const auto bytes = record(index);
    bytes[keypad::kRegistered] = point.registration;
    bytes[keypad::kKind] = point.kind;
    bytes[keypad::kButton] = point.button;
    bytes[keypad::kTarget] = point.target;
    bytes[keypad::kLoop] = point.loop;
    bytes[keypad::kSpare] = point.spare;
    le::writeU16(bytes, keypad::kAddress, point.address);
}

KeypadTable KeypadTable::defaults(const FileHeader& headerTemplate) {
    KeypadTable table;
    table.reset(headerTemplate, tags::kKeypad, 0xFF);
    return table;
}

} // namespace qb
