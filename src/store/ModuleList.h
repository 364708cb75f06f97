#pragma once

#include "BoardDevices.h"
#include "DeviceTypeTable.h"
#include "base/EditorControls.h"

#include <string>
#include <string_view>

namespace qb {

// A kind of module that a module list offers, and what the installer sets to make a device one:
// a list of a loop holding none names both, so the installer knows where to go.
struct ModuleKind {
    bool (*wanted)(const DeviceRecord&);
    std::u16string_view modules; // "output modules"
    std::u16string_view remedy;  // "set an output product type on the Detector/Module page"
};

// What linkage rules and keypads switch (isOutputModule).
extern const ModuleKind kOutputModules;

// "no output modules on board 01 loop 1: set an output product type on the Detector/Module
// page", for device file `board` (1..42, "V1" and "V2" for the virtual boards) and `loop`.
std::u16string noModulesReason(const ModuleKind& kind, int board, int loop);

// The "Module List" of one loop of device file `board`: what `kind` wants, as moduleEntries()
// names it, nothing chosen, and why while it holds nothing.
ListControl moduleList(const BoardDevices& devices, int board, int loop,
                       const DeviceTypeTable& table, const ModuleKind& kind);

// Why the lists made of a register are empty: nothing is registered, and where to register it.
namespace emptyreason {
inline constexpr std::u16string_view kNoBoards =
    u"no IO boards registered: register IO boards on the IO-Board page";
inline constexpr std::u16string_view kNoZones =
    u"no zones registered: register zones on the Zone page";
inline constexpr std::u16string_view kNoGasZones =
    u"no gas zones registered: register them with Tools, Gas Zone Registration";
inline constexpr std::u16string_view kNoMimicModules =
    u"no mimic modules registered: register them on the MDM page";
inline constexpr std::u16string_view kNoControllers =
    u"no broadcast controllers registered: register them with Tools, Broadcast Controller Setup";
} // namespace emptyreason

} // namespace qb
