#include "PanelTables.h"

#include "store/LittleEndian.h"

namespace qb {

HandControlTable HandControlTable::defaults(const FileHeader& headerTemplate) {
    HandControlTable table;
    table.reset(headerTemplate, tags::kHandControl, 0xFF);
    return table;
}

int HandControlTable::pointCount() const {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (le::readU16(data, kSlotSize * static_cast<std::size_t>(slot) + kInputAddress) ==
            0xFFFF) {
            return slot;
        }
    }
    return kSlots;
}

BroadcastTable BroadcastTable::defaults(const FileHeader& headerTemplate) {
    BroadcastTable table;
    table.reset(headerTemplate, tags::kBroadcast, 0x00);
    for (int n = 0; n < kControllers; ++n) {
        table.data[4 * n] = 0xFF;
        table.data[4 * n + 3] = 0xFF;
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
    for (std::size_t i = 0; i < kSlotSize; ++i) {
        bytes[i] = data.at(kSlotSize * static_cast<std::size_t>(index) + i);
    }
    return bytes;
}

void BroadcastPointTable::setSlot(int index, const Slot& bytes) {
    for (std::size_t i = 0; i < kSlotSize; ++i) {
        data.at(kSlotSize * static_cast<std::size_t>(index) + i) = bytes[i];
    }
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
    for (int z = 0; z < kZones; ++z) {
        std::copy(std::begin(kRecord), std::end(kRecord), table.data.begin() + kRecordSize * z);
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

int KeypadTable::pointCount() const {
    for (int n = 0; n < kRecords; ++n) {
        if (data[kRecordSize * n + kButton] == 0xFF) {
            return n;
        }
    }
    return kRecords;
}

KeypadTable KeypadTable::defaults(const FileHeader& headerTemplate) {
    KeypadTable table;
    table.reset(headerTemplate, tags::kKeypad, 0xFF);
    return table;
}

} // namespace qb
