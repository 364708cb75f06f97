#include "DeviceCatalog.h"

#include "base/CellText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

namespace qb {

namespace {

constexpr std::array<CatalogEntry, 47> kDeviceTypes{{
    {1, u"IonDet"},     {2, u"OptDet"},      {3, u"HeatDet"},     {4, u"IRDet"},
    {5, u"CombDet"},    {17, u"GasDet"},     {6, u"ConvIonD"},    {7, u"ConvOptD"},
    {8, u"ConvHeatD"},  {9, u"ConvIRD"},     {10, u"ConvComD"},   {11, u"MCP"},
    {12, u"HeatCable"}, {13, u"PresSwitch"}, {14, u"HydrCP"},     {15, u"FlowIndi"},
    {20, u"VolDet"},    {21, u"CurrDet"},    {44, u"EM Valve"},   {47, u"SmkDamper"},
    {48, u"SmkFan"},    {51, u"BlowValve"},  {52, u"Blower"},     {53, u"FireDamper"},
    {54, u"FireDoor"},  {83, u"DoorCloser"}, {84, u"DoorHolder"}, {85, u"DoorSensor"},
    {55, u"DelugeVal"}, {56, u"Generator"},  {57, u"SprinkPump"}, {58, u"PressPump"},
    {59, u"FirePump"},  {60, u"FoamPump"},   {61, u"WaterPump"},  {66, u"Air-con"},
    {67, u"BCST"},      {68, u"AlarmBell"},  {70, u"EmLight"},    {71, u"EvacIndi"},
    {73, u"SoundStro"}, {74, u"Sounder"},    {75, u"Strobe"},     {76, u"MCB"},
    {77, u"BCST-M"},    {79, u"FIP"},        {80, u"PSB"},
}};

constexpr std::array<CatalogEntry, 19> kProductTypes{{
    {1, u"IonDet"},   {2, u"OptDet"},    {3, u"HeatDet"},   {4, u"IRDet"},    {5, u"CombDet"},
    {6, u"GasDet"},   {51, u"JSInputM"}, {55, u"JKInputM"}, {52, u"OutputM"}, {53, u"IOModule"},
    {54, u"KZJ_LD"},  {56, u"MCB"},      {57, u"MCP"},      {58, u"HydrCP"},  {59, u"SoundStrobe"},
    {60, u"Sounder"}, {61, u"Strobe"},   {62, u"IO-BCST"},  {64, u"FIP"},
}};

const CatalogEntry* find(std::span<const CatalogEntry> list, int code) {
    for (const CatalogEntry& entry : list) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

std::span<const CatalogEntry> deviceTypeList() {
    return kDeviceTypes;
}
std::span<const CatalogEntry> productTypeList() {
    return kProductTypes;
}

bool isOutputModule(const DeviceRecord& device) {
    static constexpr std::array<std::uint8_t, 7> kOutputProducts{52, 53, 54, 59, 60, 61, 62};
    constexpr std::uint8_t kMcb = 76;
    return device.registration == 1 && device.equipType != kMcb &&
           std::find(kOutputProducts.begin(), kOutputProducts.end(), device.productType) !=
               kOutputProducts.end();
}

std::vector<std::u16string> moduleEntries(const BoardDevices& entry, int loop,
                                          const DeviceTypeTable& table,
                                          bool (*wanted)(const DeviceRecord&)) {
    std::vector<std::u16string> entries;
    if (loop < 1 || loop > kLoopsPerBoard) {
        return entries;
    }
    for (int address = 1; address <= kAddressesPerLoop; ++address) {
        const DeviceRecord& device = entry.device(loop, address);
        if (wanted(device)) {
            char number[8];
            std::snprintf(number, sizeof number, "%03d", address);
            const std::string_view digits(number);
            entries.push_back(std::u16string(digits.begin(), digits.end()) +
                              equipmentNames(device.equipType, table));
        }
    }
    return entries;
}

std::vector<std::u16string> catalogNames(std::span<const CatalogEntry> list) {
    std::vector<std::u16string> names;
    names.reserve(list.size());
    for (const CatalogEntry& entry : list) {
        names.emplace_back(entry.name);
    }
    return names;
}

bool knownDeviceType(int code, const DeviceTypeTable& table) {
    return find(kDeviceTypes, code) != nullptr ||
           std::any_of(table.records.begin(), table.records.end(),
                       [&](const DeviceTypeRecord& r) { return r.code != 0 && r.code == code; });
}

bool knownProductType(int code) {
    return find(kProductTypes, code) != nullptr;
}

std::u16string deviceTypeName(int code, const DeviceTypeTable& table) {
    if (code == 0) {
        return std::u16string(kNoTypeName);
    }
    if (const CatalogEntry* entry = find(kDeviceTypes, code)) {
        return std::u16string(entry->name);
    }
    for (const DeviceTypeRecord& record : table.records) {
        if (record.code != 0 && record.code == code) {
            return std::u16string(record.name.view());
        }
    }
    return std::u16string(kNoTypeName);
}

std::u16string equipmentNames(int code, const DeviceTypeTable& table) {
    std::u16string text;
    if (const CatalogEntry* entry = find(kDeviceTypes, code)) {
        text += entry->name;
    }
    for (const DeviceTypeRecord& record : table.records) {
        if (record.code != 0 && record.code == code) { // code 0 marks an unused record
            text += record.name.view();
            break;
        }
    }
    return text;
}

std::u16string productTypeName(int code) {
    const CatalogEntry* entry = code == 0 ? nullptr : find(kProductTypes, code);
    return std::u16string(entry ? entry->name : kNoTypeName);
}

std::u16string boardText(int fileNumber) {
    if (fileNumber == kVirtualBoard1) {
        return u"V1";
    }
    return fileNumber == kVirtualBoard2 ? u"V2" : numberText(fileNumber, 2);
}

int boardNumber(std::u16string_view text) {
    if (text.starts_with(u"V1")) {
        return kVirtualBoard1;
    }
    if (text.starts_with(u"V2")) {
        return kVirtualBoard2;
    }
    return static_cast<int>(leadingInteger(text));
}

std::vector<std::u16string> fittedBoardTexts(const IoBoardRecord& boards) {
    std::vector<std::u16string> texts;
    for (int board = 1; board <= IoBoardRecord::kBoards; ++board) {
        if (boards.registration(board) == 1) {
            texts.push_back(numberText(board, 2));
        }
    }
    return texts;
}

std::vector<std::u16string> knownHostTexts(const NetworkTable& network, int ownIndex) {
    constexpr int kHighestHost = 255; // the file names have room for no more
    std::set<int> present;
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        if (network.hostRegistration(h) == 1) {
            present.insert(h);
        }
    }
    if (const int own = ownIndex + 1; own <= kHighestHost) {
        present.insert(own);
    }
    std::vector<std::u16string> texts;
    for (int h : present) {
        texts.push_back(numberText(h, 3));
    }
    return texts;
}

std::vector<std::u16string> enabledZoneTexts(const ZoneTable& zones) {
    std::vector<std::u16string> texts;
    for (int z = 1; z <= ZoneTable::kZones; ++z) {
        if (zones.zone(z).registration == 1) {
            texts.push_back(numberText(z, 2));
        }
    }
    return texts;
}

} // namespace qb
