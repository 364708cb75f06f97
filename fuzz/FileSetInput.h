#pragma once

#include "cli/StreamPrompter.h"
#include "files/FileNames.h"
#include "files/LoadData.h"
#include "files/MemoryFolder.h"
#include "store/BoardDevices.h"
#include "store/ConfigStore.h"
#include "store/SystemCode.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace qb::fuzzing {

// The names a chunk can take: every file of host 1's set.
inline std::vector<std::string> setFileNames() {
    std::vector<std::string> list;
    for (std::string_view name :
         {names::kZone, names::kNetwork, names::kSystemSettings, names::kDisplay, names::kIoBoard,
          names::kMimic, names::kLinkageInput, names::kLinkageResult, names::kKeypad}) {
        list.emplace_back(name);
    }
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        list.push_back(deviceFileName(j));
    }
    return list;
}

struct FileSet {
    SystemCode code = SystemCode::TwoLoopSo3;
    std::uint8_t hostIndex = 0;
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files; // file name, bytes
};

// [system code][host][chunks of name byte, uint32 length, bytes]; the host is 1 to 4 so that
// files of other hosts are met too.
inline std::optional<FileSet> decodeFileSet(std::span<const std::uint8_t> data) {
    if (data.size() < 2) {
        return std::nullopt;
    }
    static const std::vector<std::string> kNames = setFileNames();
    FileSet set;
    set.code = static_cast<SystemCode>(data[0] % 3);
    set.hostIndex = static_cast<std::uint8_t>(data[1] % 4);
    std::size_t at = 2;
    while (at + 5 <= data.size()) {
        const std::string stem = kNames[data[at] % kNames.size()];
        std::size_t length = data[at + 1] | data[at + 2] << 8 | data[at + 3] << 16 |
                             static_cast<std::size_t>(data[at + 4]) << 24;
        at += 5;
        length = std::min(length, data.size() - at);
        set.files.emplace_back(
            fileName(set.hostIndex, stem),
            std::vector<std::uint8_t>(data.begin() + at, data.begin() + at + length));
        at += length;
    }
    return set;
}

// An in-memory Data folder holding the input's files; a later chunk of a name replaces the file.
inline void fillFolder(const FileSet& set, MemoryFolder& folder) {
    for (const auto& [name, bytes] : set.files) {
        folder.files()[name] = bytes;
    }
}

// Stores of start-up contents for the input's system code and host, made once per code: a copy
// of start-up contents costs far less than making them, or a store, anew at every run.
class StartUpStores {
public:
    // Start-up contents for the set's code and host.
    const ConfigStore& startUp(const FileSet& set) {
        Pair& pair = of(set.code);
        pair.startUp->network.working.setHostIndex(set.hostIndex);
        return *pair.startUp;
    }
    // The store a run loads into, holding start-up contents for the set's code and host.
    ConfigStore& fresh(const FileSet& set) {
        ConfigStore& store = *of(set.code).working;
        store.copyFrom(startUp(set));
        return store;
    }

private:
    struct Pair {
        std::unique_ptr<ConfigStore> startUp;
        std::unique_ptr<ConfigStore> working;
    };
    Pair& of(SystemCode code) {
        Pair& pair = m_stores.at(static_cast<std::size_t>(code));
        if (!pair.startUp) {
            RunState run;
            run.systemCode = code;
            run.headerTemplate = FileHeader::makeTemplate(code);
            pair.startUp = ConfigStore::create(run);
            pair.working = ConfigStore::create(run);
        }
        return pair;
    }
    std::array<Pair, 3> m_stores;
};

// A run's set: the input's files in an in-memory Data folder, loaded as Load Data loads them
// into a store of start-up contents.
struct LoadedSet {
    MemoryFolder folder;
    ConfigStore* store = nullptr;         // the loaded configuration
    const ConfigStore* startUp = nullptr; // start-up contents for the same code and host
};

// Nothing for an input too short to be a set.
inline std::optional<LoadedSet> loadSet(std::span<const std::uint8_t> data, StartUpStores& stores) {
    const auto input = decodeFileSet(data);
    if (!input) {
        return std::nullopt;
    }
    LoadedSet set;
    fillFolder(*input, set.folder);
    set.store = &stores.fresh(*input);
    set.startUp = &stores.startUp(*input);
    std::ostringstream messages;
    StreamPrompter prompter(messages);
    loadData(*set.store, set.folder, prompter);
    return set;
}

// The inverse, for making a corpus from real sets.
inline std::vector<std::uint8_t> encodeFile(SystemCode code, std::uint8_t nameIndex,
                                            std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> data{toByte(code), 0, nameIndex};
    const auto length = static_cast<std::uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) {
        data.push_back(static_cast<std::uint8_t>(length >> (8 * i)));
    }
    data.insert(data.end(), bytes.begin(), bytes.end());
    return data;
}

} // namespace qb::fuzzing
