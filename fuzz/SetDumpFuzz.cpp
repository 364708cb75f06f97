// Loads a set made from its input (as the whole-set target does) and shows it as the
// command-line dump does, walking every chain of the loaded tables.
//
// Input: system code byte, host byte, then chunks of [name byte][uint32 length][bytes].
#include "FileSetInput.h"
#include "cli/ConfigDump.h"

using namespace qb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::StartUpStores stores;
    if (const auto set = fuzzing::loadSet({data, size}, stores)) {
        std::ostringstream dump;
        dumpText(*set->store, dump);
    }
    return 0;
}
