#include "DiskFolder.h"

namespace qb {

Result<FileStart> DiskFolder::readStart(std::string_view name, std::size_t maxBytes) const {
    return readFileStart(m_path / name, maxBytes);
}

Result<void> DiskFolder::write(std::string_view name, std::span<const std::uint8_t> bytes) {
    return writeFile(m_path / name, bytes);
}

Result<void> DiskFolder::remove(std::string_view name) {
    return removeFile(m_path / name);
}

Result<std::vector<Error>> DiskFolder::clear() {
    if (!m_previous.empty()) {
        return moveContents(m_path, m_previous);
    }
    return emptyFolder(m_path);
}

} // namespace qb
