#pragma once

#include "base/Result.h"
#include "store/FileHeader.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace qb {

// The disk primitives under the Data folder. Every failure names the file and keeps its cause:
// a file that is there but cannot be read is never taken for a missing one.

// "Cannot <action> <file>: <the system's wording>", with the cause the system's code stands for.
Error fileError(std::string_view file, std::string_view action, std::error_code code);

// Creates or replaces the whole file. The bytes go to a temporary file in the same folder that
// is renamed over the target only once completely written, so no failure leaves a half-written
// file behind; a symbolic link of the target's name is replaced, never its target written.
Result<void> writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Up to `maxBytes` of the file; a short file simply yields fewer bytes. A folder, a FIFO or a
// device of that name is no file to read (and never blocks the reader).
Result<std::vector<std::uint8_t>> readFile(const std::filesystem::path& path, std::size_t maxBytes);

// The start of a file and the file's whole length.
struct FileStart {
    std::vector<std::uint8_t> bytes; // at most the bytes asked for
    std::uintmax_t size = 0;
};

// As readFile, with the file's length beside the bytes, so that a reader can tell a short or an
// overlong file from a whole one.
Result<FileStart> readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

// The file's header. The bytes of a file shorter than a header read as zero.
Result<FileHeader> peekHeader(const std::filesystem::path& path);

// Deletes the file; one that does not exist is no failure. A symbolic link is removed, never
// its target.
Result<void> removeFile(const std::filesystem::path& path);

// Deletes everything inside the folder, depth first, and leaves the folder; a missing folder is
// empty already. Symbolic links are removed themselves, never followed. What could not be
// removed is returned, one error each.
[[nodiscard]] std::vector<Error> emptyFolder(const std::filesystem::path& folder);

// Moves everything inside `folder` into `previous`, which it replaces; symbolic links are moved
// themselves, never followed. A folder that holds nothing (or is missing) leaves `previous` as
// it was. Fails as a whole, moving nothing, when `previous` cannot be replaced; otherwise what
// could not be moved is returned, one error each.
Result<std::vector<Error>> moveContents(const std::filesystem::path& folder,
                                        const std::filesystem::path& previous);

} // namespace qb
