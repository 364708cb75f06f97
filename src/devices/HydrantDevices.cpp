#include "HydrantDevices.h"

#include "base/CellText.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/ModuleList.h"

#include <cstdio>

namespace qb::hydrant {

bool isHydrantInput(const DeviceRecord& device) {
    return device.registration == 1 && device.productType >= 57 && device.productType <= 61;
}

bool isHydrantModule(const DeviceRecord& device) {
    constexpr std::uint8_t kHydrantEquipment = 14;
    return device.registration == 1 && device.equipType == kHydrantEquipment;
}

bool hydrantInputAt(const ConfigStore& store, int file, int loop, int address) {
    return file >= 1 && file <= kDeviceFileCount && loop >= 1 && loop <= kLoopsPerBoard &&
           address >= 1 && address <= kAddressesPerLoop &&
           isHydrantInput(store.devices(file).working.device(loop, address));
}

namespace {

const ModuleKind kInputKind{isHydrantInput, u"hydrant inputs",
                            u"set product type HydrCP on the Detector/Module page"};
const ModuleKind kModuleKind{isHydrantModule, u"hydrant modules",
                             u"set device type HydrCP on the Detector/Module page"};

} // namespace

ListControl inputList(const BoardDevices& devices, int file, int loop) {
    std::vector<std::u16string> entries;
    for (int address = 1; loop >= 1 && loop <= kLoopsPerBoard && address <= kAddressesPerLoop;
         ++address) {
        const DeviceRecord& d = devices.device(loop, address);
        if (isHydrantInput(d)) {
            entries.push_back(numberText(address, 3) + u" " + productTypeName(d.productType));
        }
    }
    return offeredList(std::move(entries), noModulesReason(kInputKind, file, loop));
}

ListControl moduleList(const BoardDevices& devices, int file, int loop,
                       const DeviceTypeTable& types) {
    return qb::moduleList(devices, file, loop, types, kModuleKind);
}

std::uint16_t entryAddress(const std::u16string& entry) {
    return static_cast<std::uint16_t>(leadingInteger(entry.substr(0, 3)));
}

std::vector<Output> modulesOfBoards(const ConfigStore& store, const std::vector<int>& boards) {
    std::vector<Output> found;
    for (int board : boards) {
        const BoardDevices& devices = store.devices(board).working;
        for (int loop = 1; loop <= kLoopsPerBoard; ++loop) {
            for (int address = 1; address <= kAddressesPerLoop; ++address) {
                if (isHydrantModule(devices.device(loop, address))) {
                    found.push_back({static_cast<std::uint8_t>(board),
                                     static_cast<std::uint8_t>(loop),
                                     static_cast<std::uint16_t>(address)});
                }
            }
        }
    }
    return found;
}

std::u16string resultLine(int number, const Output& output) {
    char text[48];
    std::snprintf(text, sizeof text, "%d  %02ld-%ld-%03ld Hydrant", number,
                  static_cast<long>(output.board), static_cast<long>(output.loop),
                  static_cast<long>(output.address));
    return ascii(text);
}

} // namespace qb::hydrant
