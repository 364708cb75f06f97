#pragma once

#include "base/Result.h"
#include "files/SetLayout.h"
#include "store/FileHeader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qb {

class ConfigStore;
class Folder;

// What the stored checksum of a file says about its contents.
enum class ChecksumState : std::uint8_t {
    Ok,
    Mismatch,    // the file was changed after it was written
    NotComputed, // 0: a page Save wrote it
    NotChecked,  // the file is not of its layout's length, so its data area is not known
};

// One file of the store's host's set as it lies in a folder: how it was found, its length, its
// header and whether its checksum fits its contents.
struct SetFileState {
    SetFile file;     // the layout entry
    std::string name; // "M001ZONE.BIN"
    // Why it could not be read; Cause::Missing for a file that is not there.
    std::optional<Error> error;
    std::uintmax_t size = 0;
    FileHeader header;
    bool tagAccepted = false;
    ChecksumState checksum = ChecksumState::NotChecked;

    bool missing() const { return error && error->cause == Cause::Missing; }
};

// Every file of the set under the store's system code and host, in the order Data export writes
// them. Reads the folder only.
std::vector<SetFileState> readSetFiles(const ConfigStore& store, const Folder& folder);

} // namespace qb
