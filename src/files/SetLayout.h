#pragma once

#include "store/SystemCode.h"

#include <cstddef>
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

} // namespace qb
