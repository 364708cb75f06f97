#include "ModuleList.h"

#include "DeviceCatalog.h"
#include "base/CellText.h"

namespace qb {

const ModuleKind kOutputModules{isOutputModule, u"output modules",
                                u"set an output product type on the Detector/Module page"};

std::u16string noModulesReason(const ModuleKind& kind, int board, int loop) {
    return u"no " + std::u16string(kind.modules) + u" on board " + boardText(board) + u" loop " +
           numberText(loop) + u": " + std::u16string(kind.remedy);
}

ListControl moduleList(const BoardDevices& devices, int board, int loop,
                       const DeviceTypeTable& table, const ModuleKind& kind) {
    return offeredList(moduleEntries(devices, loop, table, kind.wanted),
                       noModulesReason(kind, board, loop));
}

} // namespace qb
