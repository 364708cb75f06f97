// Turns its input into the files of a set in an in-memory Data folder, then runs Load Data, the
// configuration check, the comparison with start-up contents and Data export.
//
// Input: system code byte, host byte, then chunks of [name byte][uint32 length][bytes].
#include "FileSetInput.h"
#include "check/ConfigCheck.h"
#include "check/SetDiff.h"
#include "files/DataExport.h"

using namespace qb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::StartUpStores stores;
    auto set = fuzzing::loadSet({data, size}, stores);
    if (!set) {
        return 0;
    }
    checkConfiguration(*set->store, set->folder);
    // Against start-up contents every table the input filled is a change to put in words.
    diffConfigurations(*set->startUp, *set->store);
    std::ostringstream messages;
    StreamPrompter prompter(messages);
    dataExport(*set->store, set->folder, prompter);
    return 0;
}
