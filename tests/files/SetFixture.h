#pragma once

#include "files/DataExport.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qb::test {

using Bytes = std::vector<std::uint8_t>;

// Every file of the folder with its bytes, by name.
inline std::map<std::string, Bytes> filesIn(const std::filesystem::path& folder) {
    std::map<std::string, Bytes> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = readAll(entry.path());
    }
    return files;
}

inline std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : filesIn(folder)) {
        names.push_back(name);
    }
    return names;
}

// A program folder of its own with a store started under the system code, and a recording
// prompter for the whole-set commands.
struct Installation {
    explicit Installation(SystemCode code)
        : store(ConfigStore::create(RunState::begin(code, program.path()))) {}
    std::filesystem::path data(const std::string& name) const { return store->dataFolder() / name; }
    SetOutcome exportAll() { return dataExport(*store, prompter); }
    SetOutcome loadAll() { return loadData(*store, prompter); }

    TempDir program;
    FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
};

} // namespace qb::test
