// Turns its input into the files of a set in a Data folder, then runs Load Data, shows the
// loaded configuration as the command-line dump does (walking every chain) and runs Data export.
//
// Input: system code byte, host byte, then chunks of [name byte][uint32 length][bytes].
#include "FileSetInput.h"
#include "cli/ConfigDump.h"
#include "cli/StreamPrompter.h"
#include "files/DataExport.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace qb;
namespace fs = std::filesystem;

namespace {

fs::path scratchFolder() {
    static const fs::path folder = [] {
        std::error_code error;
        const fs::path shm = "/dev/shm";
        const fs::path base = fs::is_directory(shm, error) ? shm : fs::temp_directory_path();
        std::string pattern = (base / "quillbarrow-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::abort();
        }
        return fs::path(pattern);
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzzing::decodeFileSet({data, size});
    if (!input) {
        return 0;
    }
    const fs::path folder = scratchFolder();
    emptyFolder(folder);
    for (const auto& [name, bytes] : input->files) {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    RunState run;
    run.systemCode = input->code;
    run.headerTemplate = FileHeader::makeTemplate(input->code);
    run.dataFolder = folder;
    auto store = ConfigStore::create(run);
    store->network.working.setHostIndex(input->hostIndex);

    std::ostringstream messages;
    StreamPrompter prompter(messages);
    loadData(*store, prompter);
    std::ostringstream dump;
    dumpText(*store, dump);
    dataExport(*store, prompter);
    return 0;
}
