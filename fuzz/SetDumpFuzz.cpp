// Loads a set made from its input (as the whole-set target does) and shows it as the
// command-line dump does, walking every chain of the loaded tables.
//
// Input: system code byte, host byte, then chunks of [name byte][uint32 length][bytes].
#include "FileSetInput.h"
#include "cli/ConfigDump.h"
#include "cli/StreamPrompter.h"
#include "files/LoadData.h"

#include <sstream>

using namespace qb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzzing::decodeFileSet({data, size});
    if (!input) {
        return 0;
    }
    MemoryFolder folder;
    fuzzing::fillFolder(*input, folder);
    static fuzzing::StartUpStores stores;
    ConfigStore& store = stores.fresh(*input);

    std::ostringstream messages;
    StreamPrompter prompter(messages);
    loadData(store, folder, prompter);
    std::ostringstream dump;
    dumpText(store, dump);
    return 0;
}
