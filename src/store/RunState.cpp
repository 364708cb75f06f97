#include "RunState.h"

#include "base/platform/ProgramFolder.h"

namespace qb {

namespace fs = std::filesystem;

RunState RunState::begin(SystemCode code, const fs::path& programFolder) {
    RunState state;
    state.systemCode = code;
    state.headerTemplate = FileHeader::makeTemplate(code);
    state.dataFolder = prepareDataFolder(programFolder);
    return state;
}

} // namespace qb
