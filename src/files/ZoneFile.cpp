#include "ZoneFile.h"

#include "Messages.h"
#include "PartialRecord.h"
#include "TextCodec.h"

namespace qb {

using namespace zone_file;

BuiltFile buildZoneFile(const ZoneTable& table, FileVariant variant) {
    BuiltFile file{startImage(table.header, kSize), {}};
    std::span<std::uint8_t> image(file.bytes);
    image[kResound] = table.resound;
    for (int z = 1; z <= ZoneTable::kZones; ++z) {
        const ZoneRecord& zone = table.zone(z);
        const auto record = image.subspan(kRecordBase + kRecordSize * (z - 1), kRecordSize);
        if (!putFieldWithin(record.subspan(kName, kNameField), zone.name.view(), kNameLimit)) {
            const std::size_t bytes = utf8Size(zone.name.view());
            file.messages.push_back(variant == FileVariant::Export
                                        ? messages::zoneNameTooLongOnExport(z, kNameLimit, bytes)
                                        : messages::textTooLongOnSave(z, kNameLimit, bytes));
        }
        record[kRegistration] = zone.registration;
        record[kOption1] = zone.option1;
        record[kOption2] = zone.option2;
    }
    finishImage(file, variant);
    return file;
}

void readZoneFile(std::span<const std::uint8_t> bytes, ZoneTable& table) {
    overlayHeader(bytes, table.header);
    if (bytes.size() > kResound) {
        table.resound = bytes[kResound];
    }
    forEachRecord(bytes, kRecordBase, kRecordSize, ZoneTable::kZones,
                  [&](int n, const PartialRecord& record) {
                      ZoneRecord& zone = table.zones[n];
                      record.take(kRegistration, zone.registration);
                      if (const auto name = record.text(kName, kNameField)) {
                          zone.name.assign(*name);
                      }
                      record.take(kOption1, zone.option1);
                      record.take(kOption2, zone.option2);
                  });
}

} // namespace qb
