#pragma once

#include "Folder.h"

#include <filesystem>

namespace qb {

// A folder on disk, through the file primitives: atomic writes, no blocking on a FIFO, links
// removed and never followed.
class DiskFolder final : public Folder {
public:
    explicit DiskFolder(std::filesystem::path path) : m_path(std::move(path)) {}

    const std::filesystem::path& path() const { return m_path; }

    Result<FileStart> readStart(std::string_view name, std::size_t maxBytes) const override;
    using Folder::write;
    Result<void> write(std::string_view name, std::span<const std::uint8_t> bytes) override;
    Result<void> remove(std::string_view name) override;
    Result<std::vector<Error>> clear() override;

    // From now on clear() moves what the folder holds into `previous`, replacing what that
    // held, instead of deleting it.
    void keepPreviousIn(std::filesystem::path previous) { m_previous = std::move(previous); }

private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous; // empty: clear() deletes
};

} // namespace qb
