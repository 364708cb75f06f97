#pragma once

#include "store/FileHeader.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qb {

// Data export writes every file with its CRC; a page's Save writes the header as the table holds
// it at that moment.
enum class FileVariant { Export, PageSave };

// The complete bytes of one file, and the too-long texts found while building it. A file with
// messages must not be written.
struct BuiltFile {
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> messages;

    bool writable() const { return messages.empty(); }
    // The CRC field of the built header.
    std::uint32_t crc() const { return FileHeader::fromBytes(bytes).crc(); }
};

// Computes the CRC over everything after the header, stores it at offset 28 and returns it.
std::uint32_t sealWithCrc(std::span<std::uint8_t> image);

// Starts an image of `size` zero bytes with the given header.
std::vector<std::uint8_t> startImage(const FileHeader& header, std::size_t size);

// Seals the image when the variant asks for a CRC.
void finishImage(BuiltFile& file, FileVariant variant);

// Lays the file's first bytes over the header, as far as the file reaches: every reader takes the
// header this way, whatever the file.
void overlayHeader(std::span<const std::uint8_t> file, FileHeader& header);

// Lays the available bytes of a file over a table held as header plus data bytes; what the
// file does not reach keeps its previous contents.
void overlayImage(std::span<const std::uint8_t> file, FileHeader& header,
                  std::span<std::uint8_t> data);

} // namespace qb
