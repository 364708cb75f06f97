#pragma once

#include "base/Result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The program's command line, read before any window system is touched, so that --help and
// --version work without a display.
struct StartArguments {
    std::optional<std::filesystem::path> baseDir; // "--base-dir DIR" or "--base-dir=DIR"
    bool help = false;
    bool version = false;

    // `arguments` without the program's name. Options it does not know are left to the window
    // system's own (-platform, -style ...); the error names what is wrong.
    static Result<StartArguments> parse(const std::vector<std::string>& arguments);
};

inline constexpr std::string_view kStartUsage =
    R"(usage: quillbarrow [--base-dir DIR]

  --base-dir DIR  keep the configuration files in DIR/Data and the device workbook in
                  DIR/devices.xls. Without it they are kept beside the program, or, when that
                  folder cannot be written (an installed program), in the user's data folder
                  (~/.local/share/Quillbarrow).
  --help          show this text and exit
  --version       show the version and exit
)";

} // namespace qb
