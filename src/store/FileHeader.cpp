#include "FileHeader.h"

#include "LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace qb {

FileHeader FileHeader::makeTemplate(SystemCode code) {
    FileHeader header;
    std::copy(kSignature.begin(), kSignature.end(), header.m_bytes.begin());
    const bool legacy = code == SystemCode::TwoLoopSo12;
    header.m_bytes[kFormat1Offset] = legacy ? 2 : 3;
    header.m_bytes[kFormat2Offset] = legacy ? 0 : 1;
    return header;
}

FileHeader FileHeader::fromTemplate(const FileHeader& headerTemplate, std::string_view tag) {
    FileHeader header = headerTemplate;
    header.setTag(tag);
    return header;
}

FileHeader FileHeader::fromBytes(std::span<const std::uint8_t> bytes) {
    FileHeader header;
    const std::size_t count = std::min(bytes.size(), kSize);
    std::copy_n(bytes.begin(), count, header.m_bytes.begin());
    return header;
}

std::string_view FileHeader::tag() const {
    const char* text = reinterpret_cast<const char*>(m_bytes.data() + kTagOffset);
    const std::size_t room = kSize - kTagOffset;
    const void* nul = std::memchr(text, 0, room);
    const std::size_t length = nul ? static_cast<const char*>(nul) - text : room;
    return {text, length};
}

void FileHeader::setTag(std::string_view tag) {
    const std::size_t length = std::min(tag.size(), kTagFieldSize - 1);
    std::fill_n(m_bytes.begin() + kTagOffset, kTagFieldSize, 0);
    std::copy_n(tag.begin(), length, m_bytes.begin() + kTagOffset);
}

bool FileHeader::hasSignature() const {
    return std::equal(kSignature.begin(), kSignature.end(), m_bytes.begin()) &&
           m_bytes[kSignature.size()] == 0;
}

std::uint32_t FileHeader::crc() const {
    return le::readU32(m_bytes, kCrcOffset);
}

void FileHeader::setCrc(std::uint32_t crc) {
    le::writeU32(m_bytes, kCrcOffset, crc);
}

} // namespace qb
