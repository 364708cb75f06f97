#pragma once

#include "cli/Cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace qb::test {

// One run of the command-line companion: exit status and what it printed.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun cli(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(arguments, out, err);
    return {status, out.str(), err.str()};
}

} // namespace qb::test
