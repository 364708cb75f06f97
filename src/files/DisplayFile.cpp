#include "DisplayFile.h"

#include "PartialRecord.h"
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
    overlayHeader(bytes, table.header);
    forEachRecord(bytes, kRecordBase, kRecordSize, DisplayTable::kDisplays,
                  [&](int n, const PartialRecord& record) {
                      DisplayRecord& display = table.displays[n];
                      record.take(kRegistration, display.registration);
                      record.take(kType, display.type);
                      record.take(kZone, display.zone);
                      if (const auto name = record.text(kName, kNameField)) {
                          display.name.assign(*name);
                      }
                  });
}

} // namespace qb
