#include "Messages.h"

namespace qb::messages {

std::string zoneNameTooLongOnExport(int zone) {
    return format("Input string too long,Zone %d\n", zone);
}

std::string positionTooLongOnExport(int fileNumber, int address) {
    return format("Input string too long,Loop %d,Line %d\n", fileNumber, address);
}

std::string textTooLongOnSave(int line) {
    return format("Input string too long,Line %d\n", line);
}

} // namespace qb::messages
