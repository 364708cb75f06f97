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

// What `new` writes without --system-code: what the Mode Selection dialog offers unchanged.
inline constexpr SystemCode kNewSetCode = SystemCode::TwoLoopSo3;

// A command line of quillbarrow-cli, parsed.
struct CliOptions {
    std::string command;
    std::filesystem::path folder;
    // As given, or left out and found from the set before the command runs (a command that
    // does not need the code may leave it empty); `new` takes kNewSetCode and host 1.
    std::optional<SystemCode> code;
    std::optional<std::uint8_t> hostIndex;
    std::optional<std::filesystem::path> out;
    std::optional<std::filesystem::path> workbook;
    std::optional<std::filesystem::path> otherFolder; // diff: the set compared with `folder`
    std::string searchText;                           // find: as typed (UTF-8)
    bool json = false;
    bool force = false;
    bool forController = false;
};

// A fresh store of the options' system code and host, with `folder` as its Data folder.
std::unique_ptr<ConfigStore> storeFor(const CliOptions& options,
                                      const std::filesystem::path& folder);

// The commands that look at a set without changing it, each taking its parsed command line.
// `out` gets what the command tells, `err` the messages that the window would show in boxes.
// inspect's lines, or with --json the same as an array of objects.
int runInspect(const CliOptions& options, std::ostream& out);
int runCheck(const CliOptions& options, std::ostream& out);
int runDiff(const CliOptions& options, std::ostream& out, std::ostream& err);
// Writes the configuration report of the set into the file named by --out.
int runReport(const CliOptions& options, std::ostream& err);
// find's lines, one per zone, display and device whose name or position holds the text, or with
// --json an array of objects; 0 with hits, 1 without.
int runFind(const CliOptions& options, std::ostream& out, std::ostream& err);

} // namespace qb
