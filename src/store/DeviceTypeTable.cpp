#include "DeviceTypeTable.h"

#include <string>

namespace qb {

namespace {

void fill(DeviceTypeRecord& record, int code, const char* stem, int number) {
    record.code = static_cast<std::uint8_t>(code);
    const std::string text = stem + std::to_string(number);
    record.name.assign(std::u16string(text.begin(), text.end()));
}

} // namespace

DeviceTypeTable DeviceTypeTable::defaults(const FileHeader& headerTemplate) {
    DeviceTypeTable table;
    table.header = FileHeader::fromTemplate(headerTemplate, tags::kDeviceType);
    for (int n = 1; n <= 6; ++n) { // records 1..6: alarm outputs, codes 24..29
        fill(table.records[n - 1], 23 + n, "Alarm", n);
    }
    for (int n = 1; n <= 16; ++n) { // records 17..32: feedbacks, codes 91..106
        fill(table.records[16 + n - 1], 90 + n, "Feedback", n);
    }
    return table;
}

} // namespace qb
