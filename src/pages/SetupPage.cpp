#include "SetupPage.h"

#include "PageFileWriter.h"

namespace qb {

bool SetupPage::writeHostFile(std::string_view name, const BuiltFile& file) {
    return qb::writeHostFile(store(), name, file, prompter());
}

} // namespace qb
