#pragma once

#include "base/Result.h"
#include "store/FileHeader.h"
#include "store/SystemCode.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// One file of a host's set as Data export writes it under a system code.
struct SetFile {
    std::string name; // the four-character name: "ZONE", "ID07"
    std::size_t size = 0;
    // The tags Load Data takes the file by (some files are also taken with the IO board tag).
    std::vector<std::string_view> tags;
    // Some mimic files carry the controller's signature instead of a tag.
    bool signatureAccepted = false;
    // Written by every Data export; the others (the panel tables) only when they hold
    // something, so their absence means start-up contents.
    bool alwaysWritten = true;
};

// The files of a set, in the order Data export writes them.
std::vector<SetFile> setLayout(SystemCode code);

// The four-character names of every file a host's set may hold under any system code, the
// NET page's SYS_ included: the configuration, then the panel tables, mimic and keypad last.
std::vector<std::string> setFileNames();

// A file of a host's set as found in a folder, with what tells the code it was written under.
struct FoundSetFile {
    std::string name;     // the four-character name: "IOBR"
    std::string fileName; // the name messages give it: "M001IOBR.BIN"
    std::size_t size = 0; // its whole length
    FileHeader header;    // a file shorter than a header reads as zero past its end
};

// The system code a set was written under, told by the format bytes of its files: 2 0 is code
// 0; 3 1 is code 1 or 2, which only IOBR.BIN tells apart (40 bytes under code 1, 76 under 2).
// A file too short to hold the format bytes does not vote, as callers leave out the files that
// are missing or unreadable. The error names the files that disagree, a file whose format
// bytes or size no code writes, or says that no file voted (cause Missing) or that nothing
// told code 1 from 2.
Result<SystemCode> inferSystemCode(std::span<const FoundSetFile> files);

} // namespace qb
