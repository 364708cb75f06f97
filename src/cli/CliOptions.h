#pragma once

#include "store/SystemCode.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace qb {

class ConfigStore;

// A command line of quillbarrow-cli, parsed.
struct CliOptions {
    std::string command;
    std::filesystem::path folder;
    std::optional<SystemCode> code;
    std::uint8_t hostIndex = 0;
    std::optional<std::filesystem::path> out;
    std::optional<std::filesystem::path> workbook;
    std::optional<std::filesystem::path> otherFolder; // diff: the set compared with `folder`
    bool json = false;
    bool force = false;
    bool forController = false;
};

// A fresh store of the options' system code and host, with `folder` as its Data folder.
std::unique_ptr<ConfigStore> storeFor(const CliOptions& options,
                                      const std::filesystem::path& folder);

// The commands that look at a set without changing it, each taking its parsed command line.
// `out` gets what the command tells, `err` the messages that the window would show in boxes.
int runInspect(const CliOptions& options, std::ostream& out);
int runCheck(const CliOptions& options, std::ostream& out);
int runDiff(const CliOptions& options, std::ostream& out, std::ostream& err);
// Writes the configuration report of the set into the file named by --out.
int runReport(const CliOptions& options, std::ostream& err);

} // namespace qb
