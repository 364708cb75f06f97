#include "Folder.h"

namespace qb {

Result<FileHeader> Folder::peekHeader(std::string_view name) const {
    const auto start = readStart(name, FileHeader::kSize);
    if (!start) {
        return start.error();
    }
    return FileHeader::fromBytes(start->bytes);
}

} // namespace qb
