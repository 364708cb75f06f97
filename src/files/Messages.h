#pragma once

#include <string>

namespace qb::messages {

// Texts that the file builders hand to their callers, exactly as the installer sees them.

// A zone name over 12 bytes: Data export and the Zone page's Save word it differently.
std::string zoneNameTooLongOnExport(int zone);
// A device position over its limit during Data export (device file number, address).
std::string positionTooLongOnExport(int fileNumber, int address);
// Any text over its limit during a page's Save (zone number or address within its loop).
std::string textTooLongOnSave(int line);

} // namespace qb::messages
