#include "DataLocation.h"

#include "FileIo.h"

#include <system_error>

namespace qb {

namespace fs = std::filesystem;

Result<fs::path> chooseWorkFolder(const fs::path& programFolder,
                                  const std::optional<fs::path>& baseDir,
                                  const fs::path& userDataFolder, const DataFolderProbe& probe) {
    if (baseDir) {
        return *baseDir;
    }
    if (probe(programFolder)) {
        return programFolder;
    }
    std::string text = "The configuration files cannot be kept beside the program (" +
                       programFolder.string() + ")";
    if (userDataFolder.empty()) {
        return Error{Cause::Missing, {}, text + ", and there is no user data folder."};
    }
    const Result<void> user = probe(userDataFolder);
    if (!user) {
        return Error{user.error().cause, user.error().code,
                     text + " nor in " + userDataFolder.string() + ". " + user.error().text};
    }
    return userDataFolder;
}

Result<void> probeDataFolder(const fs::path& folder) {
    const fs::path data = folder / "Data";
    std::error_code error;
    fs::create_directories(data, error);
    if (error) {
        return fileError(data.string(), "create", error);
    }
    // A hidden name that no configuration file has; Data export would remove it anyway.
    const fs::path probe = data / ".write-probe";
    static constexpr std::uint8_t kByte[] = {0};
    if (Result<void> written = writeFile(probe, kByte); !written) {
        // The writer names the file only; the folder is what the installer has to look at.
        const Error& failure = written.error();
        return failure.code ? fileError(data.string(), "write into", failure.code) : failure;
    }
    return removeFile(probe);
}

} // namespace qb
