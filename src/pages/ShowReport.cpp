#include "ShowReport.h"

#include "DialogRunner.h"
#include "base/platform/LocalDate.h"
#include "check/ConfigReport.h"
#include "files/DiskFolder.h"
#include "store/ConfigStore.h"

#include <filesystem>
#include <string>

namespace qb {

void showConfigurationReport(const ConfigStore& store, DialogRunner& dialogs) {
    const std::filesystem::path& data = store.dataFolder();
    const DiskFolder folder(data);
    const std::string date = localDate();
    const auto sections = reportSections(store, folder, ReportCover{date, data.string()});
    // Beside the Data folder, where the device workbook is kept too.
    const std::filesystem::path pdf =
        data.parent_path() / ("Configuration Report " + date + ".pdf");
    dialogs.showReport(sections, pdf.string());
}

} // namespace qb
