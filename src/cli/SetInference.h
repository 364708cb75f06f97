#pragma once

#include "base/Result.h"
#include "store/SystemCode.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace qb {

// The host and system code a command works on in one folder.
struct SetIdentity {
    std::uint8_t hostIndex = 0;
    std::optional<SystemCode> code; // empty when the command did not ask for it
};

// What a command that reads the set in `folder` needs to know of it. What the command line
// gives is taken as given; the host left out is the one whose files the folder holds (several
// hosts are refused, naming them), the system code left out is the one the host's files were
// written under (inferSystemCode). With `needsFiles`, a folder without any file of the host's
// set is refused, so that nothing is shown as the configuration of a set that is not there.
// Every error names the folder and what is wrong with it.
Result<SetIdentity> identifySet(const std::filesystem::path& folder,
                                std::optional<std::uint8_t> givenHost,
                                std::optional<SystemCode> givenCode, bool needsCode,
                                bool needsFiles);

} // namespace qb
