#include "DeviceFile.h"

#include "Messages.h"
#include "PartialRecord.h"
#include "TextCodec.h"
#include "store/LittleEndian.h"

#include <algorithm>
#include <array>

namespace qb {

using namespace device_file;

namespace {

// The field bytes before the position, put together first and then written in one go: 648
// records a board, 42 boards a set.
void packFields(const DeviceRecord& device, std::span<std::uint8_t> record) {
    std::array<std::uint8_t, kPosition> fields{};
    fields[kRegistration] = device.registration;
    fields[kReserved] = device.reserved;
    le::writeU16(fields, kAddress, device.address);
    fields[kLoopIndex] = device.loopIndex;
    fields[kZone] = device.zone;
    fields[kEquipType] = device.equipType;
    fields[kProductType] = device.productType;
    fields[kOutputMode] = device.outputMode;
    fields[kWorkMode] = device.workMode;
    fields[kReserved2] = device.reserved2[0];
    fields[kReserved2 + 1] = device.reserved2[1];
    std::copy(fields.begin(), fields.end(), record.begin());
}

void unpackFields(const PartialRecord& record, DeviceRecord& device) {
    record.take(kRegistration, device.registration);
    record.take(kReserved, device.reserved);
    record.takeU16(kAddress, device.address);
    record.take(kLoopIndex, device.loopIndex);
    record.take(kZone, device.zone);
    record.take(kEquipType, device.equipType);
    record.take(kProductType, device.productType);
    record.take(kOutputMode, device.outputMode);
    record.take(kWorkMode, device.workMode);
    record.take(kReserved2, device.reserved2[0]);
    record.take(kReserved2 + 1, device.reserved2[1]);
}

} // namespace

BuiltFile buildDeviceFile(const BoardDevices& entry, int fileNumber, SystemCode code,
                          FileVariant variant) {
    const std::size_t recordSize = deviceRecordSize(code);
    const std::size_t limit = positionLimitBytes(code);
    BuiltFile file{startImage(entry.header, fileSize(code)), {}};
    std::span<std::uint8_t> data = std::span(file.bytes).subspan(FileHeader::kSize);
    for (int n = 0; n < BoardDevices::kRecords; ++n) {
        const DeviceRecord& device = entry.records[n];
        const auto record = data.subspan(recordSize * n, recordSize);
        packFields(device, record);
        if (device.position.empty()) {
            continue; // the image starts zero-filled
        }
        if (!putFieldWithin(record.subspan(kPosition), device.position.view(), limit)) {
            const int address = BoardDevices::addressOf(n);
            const std::size_t bytes = utf8Size(device.position.view());
            file.messages.push_back(
                variant == FileVariant::Export
                    ? messages::positionTooLongOnExport(fileNumber, address, limit, bytes)
                    : messages::textTooLongOnSave(address, limit, bytes));
        }
    }
    finishImage(file, variant);
    return file;
}

void readDeviceFile(std::span<const std::uint8_t> bytes, BoardDevices& entry, SystemCode code,
                    CutPositions& cut) {
    overlayHeader(bytes, entry.header);
    forEachRecord(bytes, FileHeader::kSize, deviceRecordSize(code), BoardDevices::kRecords,
                  [&](int n, const PartialRecord& record) {
                      DeviceRecord& device = entry.records[n];
                      unpackFields(record, device);
                      if (const auto position = record.text(kPosition, positionFieldSize(code))) {
                          cut[n] = !device.position.assign(*position);
                      }
                  });
}

} // namespace qb
