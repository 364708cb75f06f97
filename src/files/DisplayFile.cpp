#include "DisplayFile.h"

#include "TextCodec.h"

namespace qb {

using namespace display_file;

BuiltFile buildDisplayFile(const DisplayTable& table, FileVariant variant) {
    BuiltFile file{startImage(table.header, kSize), {}};
    std::span<std::uint8_t> image(file.bytes);
    for (int d = 1; d <= DisplayTable::kDisplays; ++d) {
        const DisplayRecord& display = table.display(d);
        const auto record = image.subspan(kRecordBase + kRecordSize * (d - 1), kRecordSize);
        record[kRegistration] = display.registration;
        record[kType] = display.type;
        record[kZone] = display.zone;
        putField(record.subspan(kName, kNameField),
                 encodeTruncated(display.name.view(), kNameLimit));
    }
    finishImage(file, variant);
    return file;
}

void readDisplayFile(std::span<const std::uint8_t> bytes, DisplayTable& table) {
    if (bytes.size() >= FileHeader::kSize) {
        table.header = FileHeader::fromBytes(bytes);
    }
    forEachCompleteRecord(bytes, kRecordBase, kRecordSize, DisplayTable::kDisplays,
                          [&](int n, std::span<const std::uint8_t> record) {
                              DisplayRecord& display = table.displays[n];
                              display.registration = record[kRegistration];
                              display.type = record[kType];
                              display.zone = record[kZone];
                              display.name.assign(decodeField(record.subspan(kName, kNameField)));
                          });
}

} // namespace qb
