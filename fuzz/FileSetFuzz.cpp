// Turns its input into the files of a set in an in-memory Data folder, then runs Load Data, the
// configuration check, the comparison with start-up contents and Data export.
//
// Input: system code byte, host byte, then chunks of [name byte][uint32 length][bytes].
#include "FileSetInput.h"
#include "check/ConfigCheck.h"
#include "check/SetDiff.h"
#include "cli/StreamPrompter.h"
#include "files/DataExport.h"
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
    checkConfiguration(store, folder);
    // Against start-up contents every table the input filled is a change to put in words.
    diffConfigurations(stores.startUp(*input), store);
    dataExport(store, folder, prompter);
    return 0;
}
