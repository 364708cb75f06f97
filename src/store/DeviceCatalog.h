#pragma once

#include "BoardDevices.h"
#include "DeviceTypeTable.h"
#include "IoBoardRecord.h"
#include "NetworkTable.h"
#include "ZoneTable.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

struct CatalogEntry {
    std::uint16_t code;
    std::u16string_view name;
};

// The fixed device type list (47 entries) and product type list (19 entries), in the order the
// pages and lists show them.
std::span<const CatalogEntry> deviceTypeList();
std::span<const CatalogEntry> productTypeList();

// The names of a list, in its order.
std::vector<std::u16string> catalogNames(std::span<const CatalogEntry> list);

// A module that linkage rules and keypads may switch: registered, of an output product type
// (52, 53, 54, 59, 60, 61, 62), and never an MCB (equipment type 76).
bool isOutputModule(const DeviceRecord& device);

// The "Module List" of a loop: each device that `wanted` accepts as its address in three digits
// followed by its equipment names, in address order.
std::vector<std::u16string> moduleEntries(const BoardDevices& entry, int loop,
                                          const DeviceTypeTable& table,
                                          bool (*wanted)(const DeviceRecord&));

inline constexpr std::u16string_view kNoTypeName = u"none";

// Whether a code is in the device type list or the device type table; in the product type list.
bool knownDeviceType(int code, const DeviceTypeTable& table);
bool knownProductType(int code);

// The device type list first, then the device type table; "none" for 0 and unknown codes.
std::u16string deviceTypeName(int code, const DeviceTypeTable& table);
std::u16string productTypeName(int code);

// How the linkage lists name a module's equipment: the device type list's name and, should the
// device type table carry the code as well, that name after it; nothing for unknown codes (a
// "none" would read as a device type).
std::u16string equipmentNames(int code, const DeviceTypeTable& table);

// A board of the board lists by its device file number: "01".."40", then "V1" and "V2" for the
// virtual boards 41 and 42; and back from such an entry (anything after it is ignored).
std::u16string boardText(int fileNumber);
int boardNumber(std::u16string_view text);

// The fitted IO boards, "01".."40", as every board list offers them.
std::vector<std::u16string> fittedBoardTexts(const IoBoardRecord& boards);

// The hosts a host list offers: each host the network table marks present and the own host
// (`ownIndex` + 1), "001".."255" in ascending order.
std::vector<std::u16string> knownHostTexts(const NetworkTable& network, int ownIndex);

// The enabled zones, "01".."32", as the zone lists offer them.
std::vector<std::u16string> enabledZoneTexts(const ZoneTable& zones);

} // namespace qb
