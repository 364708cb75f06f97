#include "DeviceColumns.h"

#include "base/CellText.h"
#include "store/DeviceCatalog.h"
#include "store/ModeNames.h"
#include "store/ZoneTable.h"

#include <array>

namespace qb {

namespace {

using Cell = DeviceColumn::Cell;

std::uint8_t sameNumber(int choice) {
    return static_cast<std::uint8_t>(choice);
}

std::vector<std::u16string> registrationChoices() {
    return {u"Not Reg", u"Reg"};
}

std::vector<std::u16string> deviceTypeChoices() {
    return catalogNames(deviceTypeList());
}
std::uint8_t deviceTypeCode(int choice) {
    return static_cast<std::uint8_t>(deviceTypeList()[choice].code);
}
std::u16string deviceTypeText(std::uint8_t stored, const DeviceTypeTable& types) {
    return deviceTypeName(stored, types);
}

std::vector<std::u16string> productTypeChoices() {
    return catalogNames(productTypeList());
}
std::uint8_t productTypeCode(int choice) {
    return static_cast<std::uint8_t>(productTypeList()[choice].code);
}
std::u16string productTypeText(std::uint8_t stored, const DeviceTypeTable&) {
    return productTypeName(stored);
}

// Zones 1..32, stored as the zone number minus 1.
std::vector<std::u16string> zoneChoices() {
    std::vector<std::u16string> zones;
    for (int zone = 1; zone <= ZoneTable::kZones; ++zone) {
        zones.push_back(numberText(zone));
    }
    return zones;
}
std::u16string zoneText(std::uint8_t stored, const DeviceTypeTable&) {
    return numberText(stored + 1);
}

std::vector<std::u16string> outputChoices() {
    return modeNames(kOutputModes);
}
// The batch list has always offered "Pulse " with a blank.
std::vector<std::u16string> outputBatchChoices() {
    std::vector<std::u16string> choices = outputChoices();
    choices.front() += u' ';
    return choices;
}
std::uint8_t outputCode(int choice) {
    return kOutputModes[static_cast<std::size_t>(choice)].code;
}
std::u16string outputText(std::uint8_t stored, const DeviceTypeTable&) {
    return std::u16string(outputModeName(stored));
}

std::vector<std::u16string> workChoices() {
    return modeNames(kWorkModes);
}
std::uint8_t workCode(int choice) {
    return kWorkModes[static_cast<std::size_t>(choice)].code;
}
std::u16string workText(std::uint8_t stored, const DeviceTypeTable&) {
    return std::u16string(workModeName(stored));
}

constexpr std::array<DeviceColumn, 8> kColumns{{
    {.caption = u"Addr", .width = 800},
    {.caption = u"Reg",
     .width = 700,
     .cell = Cell::Registration,
     .field = &DeviceRecord::registration,
     .choices = registrationChoices,
     .stored = sameNumber,
     .batchPrompt = u"Choose whether or not register"},
    {.caption = u"Equip",
     .width = 1500,
     .cell = Cell::List,
     .field = &DeviceRecord::equipType,
     .text = deviceTypeText,
     .choices = deviceTypeChoices,
     .stored = deviceTypeCode,
     .batchPrompt = u"Select Equip",
     .batchPreselected = 1},
    {.caption = u"ProductType",
     .width = 1500,
     .cell = Cell::List,
     .field = &DeviceRecord::productType,
     .text = productTypeText,
     .choices = productTypeChoices,
     .stored = productTypeCode,
     .batchPrompt = u"Select Product Type",
     .batchPreselected = 1},
    {.caption = u"Zone",
     .width = 800,
     .cell = Cell::Number,
     .field = &DeviceRecord::zone,
     .text = zoneText,
     .choices = zoneChoices,
     .stored = sameNumber,
     .maxDigits = 2,
     .batchPrompt = u"Choose Zone NO."},
    {.caption = u"Output",
     .width = 1100,
     .cell = Cell::List,
     .field = &DeviceRecord::outputMode,
     .text = outputText,
     .choices = outputChoices,
     .stored = outputCode,
     .batchPrompt = u"Select output mode",
     .batchChoices = outputBatchChoices,
     .batchPreselected = 1},
    {.caption = u"Work",
     .width = 1000,
     .cell = Cell::List,
     .field = &DeviceRecord::workMode,
     .text = workText,
     .choices = workChoices,
     .stored = workCode,
     .batchPrompt = u"Select work mode"},
    {.caption = u"Position", .width = 3600, .cell = Cell::Position},
}};

} // namespace

std::span<const DeviceColumn> deviceColumns() {
    return kColumns;
}

const DeviceColumn* deviceColumn(int column) {
    return column >= 0 && column < static_cast<int>(kColumns.size())
               ? &kColumns[static_cast<std::size_t>(column)]
               : nullptr;
}

} // namespace qb
