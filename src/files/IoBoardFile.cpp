#include "IoBoardFile.h"

#include "store/LittleEndian.h"

#include <algorithm>

namespace qb {

using namespace io_board_file;

BuiltFile buildIoBoardFile(const IoBoardRecord& record, const FileHeader& headerTemplate,
                           SystemCode code, FileVariant variant) {
    BuiltFile file;
    if (code == SystemCode::OneLoop) {
        file.bytes =
            startImage(FileHeader::fromTemplate(headerTemplate, tags::kIoBoard), kOneLoopSize);
        file.bytes[kOneLoopBoardCount] = 1;
        le::writeU32(file.bytes, kOneLoopTrailer, IoBoardRecord::kExportTrailer);
    } else {
        file.bytes = startImage(record.header, kSize);
        std::copy(record.data.begin(), record.data.end(), file.bytes.begin() + FileHeader::kSize);
    }
    finishImage(file, variant);
    return file;
}

void readIoBoardFile(std::span<const std::uint8_t> bytes, IoBoardRecord& record) {
    overlayImage(bytes, record.header, record.data);
}

} // namespace qb
