#pragma once

#include "Folder.h"

#include <map>
#include <optional>
#include <string>

namespace qb {

// A Data folder held in memory, for tests and fuzzing. It keeps the real folder's promises (a
// failed write leaves the previous file whole; errors name the file, with the system's wording)
// and fails on command, as a disk would.
class MemoryFolder final : public Folder {
public:
    using Files = std::map<std::string, std::vector<std::uint8_t>, std::less<>>;

    Result<FileStart> readStart(std::string_view name, std::size_t maxBytes) const override;
    Result<void> write(std::string_view name, std::span<const std::uint8_t> bytes) override;
    Result<void> write(std::string_view name, std::vector<std::uint8_t>&& bytes) override;
    Result<void> remove(std::string_view name) override;
    Result<std::vector<Error>> clear() override;

    // The files held, by name, to fill and to look at directly.
    Files& files() { return m_files; }
    const Files& files() const { return m_files; }

    // From now on every write, removal and clearing is refused, as by a read-only folder.
    void refuseWrites() { m_refuseWrites = true; }
    // The next write of `name` breaks off halfway, as on a full disk; the file keeps what it
    // held.
    void failWriteHalfway(std::string name) { m_failHalfway = std::move(name); }
    // Clearing fails as a whole for `cause`, touching nothing, as when the place for the
    // previous contents cannot be made ready.
    void failClearing(Cause cause) { m_failClearing = cause; }
    // Every reading of `name` fails for `cause`, whether the file is there or not.
    void failReads(std::string name, Cause cause) { m_failedReads[std::move(name)] = cause; }
    // Reading `name` past its header fails, as when a file changes or its medium fails between
    // the look at its header and the reading of its records.
    void failReadsPastHeader(std::string name) { m_failPastHeader = std::move(name); }

private:
    // The failure a write of `name` meets now, if any.
    std::optional<Error> writeFailure(std::string_view name);

    Files m_files;
    bool m_refuseWrites = false;
    std::optional<Cause> m_failClearing;
    std::string m_failHalfway;
    std::string m_failPastHeader;
    std::map<std::string, Cause, std::less<>> m_failedReads;
};

} // namespace qb
