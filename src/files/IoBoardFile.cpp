#include "IoBoardFile.h"

#include "ImageFile.h"
#include "store/LittleEndian.h"

namespace qb {

using namespace io_board_file;

BuiltFile buildIoBoardFile(const IoBoardRecord& record, const FileHeader& headerTemplate,
                           SystemCode code, FileVariant variant) {
    if (code != SystemCode::OneLoop) {
        return buildImageFile(record, variant);
    }
    BuiltFile file{
        startImage(FileHeader::fromTemplate(headerTemplate, tags::kIoBoard), kOneLoopSize), {}};
    file.bytes[kOneLoopBoardCount] = 1;
    le::writeU32(file.bytes, kOneLoopTrailer, IoBoardRecord::kExportTrailer);
    finishImage(file, variant);
    return file;
}

void readIoBoardFile(std::span<const std::uint8_t> bytes, IoBoardRecord& record, SystemCode code) {
    if (code != SystemCode::OneLoop) {
        readImageFile(bytes, record);
        return;
    }
    overlayHeader(bytes, record.header);
    if (bytes.size() > kOneLoopBoardCount) {
        record.registration(1) = bytes[kOneLoopBoardCount];
    }
}

} // namespace qb
