#pragma once

#include "FileIo.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qb {

// The Data folder as Load Data, Data export and the page saves see it: files by name, nothing
// deeper. DiskFolder is the real one; MemoryFolder stands in for tests and fuzzing.
class Folder {
public:
    virtual ~Folder() = default;

    // Up to `maxBytes` of the named file, with the file's whole length.
    virtual Result<FileStart> readStart(std::string_view name, std::size_t maxBytes) const = 0;
    // Creates or replaces the whole file. A write that fails, however far it got, leaves the
    // previous file as it was.
    virtual Result<void> write(std::string_view name, std::span<const std::uint8_t> bytes) = 0;
    // The same for bytes the caller gives up: a folder in memory keeps them without a copy.
    virtual Result<void> write(std::string_view name, std::vector<std::uint8_t>&& bytes) {
        return write(name, std::span<const std::uint8_t>(bytes));
    }
    // Deletes the file; one that does not exist is no failure.
    virtual Result<void> remove(std::string_view name) = 0;
    // Empties the folder for a new set: deletes everything inside, or moves it to where the
    // folder keeps its previous contents. What could not be deleted or moved, one error each;
    // the error alone, with nothing touched, when that place cannot be made ready.
    virtual Result<std::vector<Error>> clear() = 0;

    // The file's header; the bytes of a file shorter than a header read as zero.
    Result<FileHeader> peekHeader(std::string_view name) const;
};

} // namespace qb
