#include "ProgramFolder.h"

#include <system_error>

namespace qb {

namespace fs = std::filesystem;

fs::path executableFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return fs::current_path(error);
    }
    return program.parent_path();
}

fs::path prepareDataFolder(const fs::path& programFolder) {
    const fs::path folder = programFolder / "Data";
    std::error_code error;
    if (!fs::exists(fs::symlink_status(folder, error))) {
        fs::create_directory(folder, error);
    }
    return folder;
}

} // namespace qb
