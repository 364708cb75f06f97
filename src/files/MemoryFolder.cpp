#include "MemoryFolder.h"

#include <algorithm>
#include <cerrno>

namespace qb {

namespace {

// The system's code for a failure of this cause.
std::error_code codeFor(Cause cause) {
    switch (cause) {
    case Cause::Missing:
        return {ENOENT, std::system_category()};
    case Cause::NoAccess:
        return {EACCES, std::system_category()};
    case Cause::NotAFile:
        return {EISDIR, std::system_category()};
    case Cause::IoFailure:
        return {EIO, std::system_category()};
    case Cause::InvalidInput:
        break;
    }
    return {EINVAL, std::system_category()};
}

} // namespace

Result<FileStart> MemoryFolder::readStart(std::string_view name, std::size_t maxBytes) const {
    if (const auto failed = m_failedReads.find(name); failed != m_failedReads.end()) {
        return fileError(name, "read", codeFor(failed->second));
    }
    if (!m_failPastHeader.empty() && name == m_failPastHeader && maxBytes > FileHeader::kSize) {
        return fileError(name, "read", codeFor(Cause::IoFailure));
    }
    const auto file = m_files.find(name);
    if (file == m_files.end()) {
        return fileError(name, "read", codeFor(Cause::Missing));
    }
    const std::vector<std::uint8_t>& bytes = file->second;
    FileStart start;
    start.bytes.assign(bytes.begin(), bytes.begin() + std::min(maxBytes, bytes.size()));
    start.size = bytes.size();
    return start;
}

std::optional<Error> MemoryFolder::writeFailure(std::string_view name) {
    if (m_refuseWrites) {
        return fileError(name, "create", codeFor(Cause::NoAccess));
    }
    if (!m_failHalfway.empty() && name == m_failHalfway) {
        m_failHalfway.clear();
        return fileError(name, "write", {ENOSPC, std::system_category()});
    }
    return std::nullopt;
}

Result<void> MemoryFolder::write(std::string_view name, std::span<const std::uint8_t> bytes) {
    return write(name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

Result<void> MemoryFolder::write(std::string_view name, std::vector<std::uint8_t>&& bytes) {
    if (auto failure = writeFailure(name)) {
        return std::move(*failure);
    }
    m_files.insert_or_assign(std::string(name), std::move(bytes));
    return {};
}

Result<void> MemoryFolder::remove(std::string_view name) {
    const auto file = m_files.find(name);
    if (file == m_files.end()) {
        return {};
    }
    if (m_refuseWrites) {
        return fileError(name, "delete", codeFor(Cause::NoAccess));
    }
    m_files.erase(file);
    return {};
}

Result<std::vector<Error>> MemoryFolder::clear() {
    if (m_failClearing) {
        return fileError("Data.previous", "replace", codeFor(*m_failClearing));
    }
    std::vector<Error> failures;
    if (!m_refuseWrites) {
        m_files.clear();
        return failures;
    }
    for (const auto& [name, bytes] : m_files) {
        failures.push_back(fileError(name, "delete", codeFor(Cause::NoAccess)));
    }
    return failures;
}

} // namespace qb
