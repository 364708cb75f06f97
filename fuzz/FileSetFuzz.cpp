// Turns its input into the files of a set in an in-memory Data folder, then runs Load Data, the
// configuration check, the comparison with start-up contents, shows the loaded configuration
// as the command-line dump does (walking every chain) and runs Data export.
//
// Input: system code byte, host byte, then chunks of [name byte][uint32 length][bytes].
#include "FileSetInput.h"
#include "check/ConfigCheck.h"
#include "check/SetDiff.h"
#include "cli/ConfigDump.h"
#include "cli/StreamPrompter.h"
#include "files/DataExport.h"
#include "files/LoadData.h"
#include "files/MemoryFolder.h"
#include "store/ConfigStore.h"

#include <array>
#include <memory>
#include <sstream>

using namespace qb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzzing::decodeFileSet({data, size});
    if (!input) {
        return 0;
    }
    MemoryFolder folder;
    for (const auto& [name, bytes] : input->files) {
        folder.files()[name] = bytes; // a later chunk of the same name replaces the file
    }
    RunState run;
    run.systemCode = input->code;
    run.headerTemplate = FileHeader::makeTemplate(input->code);
    // The start-up store of each system code is made once, and so is the store each run loads
    // into: a copy of start-up contents costs far less than making them, or a store, anew.
    static std::array<std::unique_ptr<ConfigStore>, 3> startUp;
    static std::array<std::unique_ptr<ConfigStore>, 3> stores;
    const auto code = static_cast<std::size_t>(input->code);
    if (!startUp.at(code)) {
        startUp.at(code) = ConfigStore::create(run);
        stores.at(code) = ConfigStore::create(run);
    }
    ConfigStore& fresh = *startUp.at(code);
    fresh.network.working.setHostIndex(input->hostIndex);
    ConfigStore& store = *stores.at(code);
    store.copyFrom(fresh);

    std::ostringstream messages;
    StreamPrompter prompter(messages);
    loadData(store, folder, prompter);
    checkConfiguration(store, folder);
    // Against start-up contents every table the input filled is a change to put in words.
    diffConfigurations(fresh, store);
    std::ostringstream dump;
    dumpText(store, dump);
    dataExport(store, folder, prompter);
    return 0;
}
