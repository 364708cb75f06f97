// Feeds arbitrary bytes to the workbook reader and imports what it reads into a fresh store.
// The first byte picks the system code and whether the rest is a whole .xls file or only the
// workbook stream inside one (so that mutations reach the records without breaking the
// container first).
#include "cli/StreamPrompter.h"
#include "excel/CompoundFile.h"
#include "excel/DeviceWorkbook.h"
#include "excel/WorkbookReader.h"
#include "store/ConfigStore.h"

#include <sstream>

using namespace qb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    const bool streamOnly = data[0] & 0x01;
    Result<Workbook> workbook =
        streamOnly ? readWorkbook(buildCompoundFile(rest)) : readWorkbook(rest);
    if (!workbook) {
        return 0;
    }
    RunState run;
    run.systemCode = systemCodeFromByte((data[0] >> 1) % 3).value();
    run.headerTemplate = FileHeader::makeTemplate(run.systemCode);
    auto store = ConfigStore::create(run);
    std::ostringstream messages;
    StreamPrompter prompter(messages);
    importDevices(*store, *workbook, device_workbook::kFileName, prompter, {});
    return 0;
}
