#pragma once

#include "store/FileHeader.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qb {

// Outcome of a write or removal; `error` names what failed, for the installer.
struct FileResult {
    bool ok = true;
    std::string error;

    explicit operator bool() const { return ok; }
    static FileResult failure(std::string error) { return {false, std::move(error)}; }
};

// Creates or replaces the whole file. The bytes go to a temporary file in the same folder that
// is renamed over the target only once completely written, so no failure leaves a half-written
// file behind.
FileResult writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Up to `maxBytes` of the file. Nothing when it does not exist or is no regular file; a short
// file simply yields fewer bytes.
std::optional<std::vector<std::uint8_t>> readFile(const std::filesystem::path& path,
                                                  std::size_t maxBytes);

// The start of a file and the file's whole length.
struct FileStart {
    std::vector<std::uint8_t> bytes; // at most the bytes asked for
    std::uintmax_t size = 0;
};

// As readFile, with the file's length beside the bytes, so that a reader can tell a short or an
// overlong file from a whole one.
std::optional<FileStart> readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

// The file's header, nothing when the file does not exist. The bytes of a file shorter than a
// header read as zero.
std::optional<FileHeader> peekHeader(const std::filesystem::path& path);

// Deletes the file when it exists; a symbolic link is removed, never its target.
FileResult removeFile(const std::filesystem::path& path);

} // namespace qb
