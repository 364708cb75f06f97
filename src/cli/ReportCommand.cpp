#include "CliOptions.h"
#include "StreamPrompter.h"
#include "base/platform/LocalDate.h"
#include "check/ConfigReport.h"
#include "files/DiskFolder.h"
#include "files/FileIo.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"

namespace qb {

// A set that did not load whole is still reported: what did not load reads as start-up values,
// and the cover and the check say which files those are.
int runReport(const CliOptions& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    loadData(*store, prompter);
    const DiskFolder folder(options.folder);
    const std::string html =
        reportHtml(reportSections(*store, folder, {localDate(), options.folder.string()}));
    const Result<void> written = writeFile(
        *options.out, std::span(reinterpret_cast<const std::uint8_t*>(html.data()), html.size()));
    if (!written) {
        err << "quillbarrow-cli: " << written.error().text << '\n';
        return 1;
    }
    return 0;
}

} // namespace qb
