#include "PageFileWriter.h"

#include "base/Prompter.h"
#include "files/DiskFolder.h"
#include "files/FileNames.h"
#include "store/ConfigStore.h"

namespace qb {

bool writePageFile(Folder& folder, std::string_view name, const BuiltFile& file,
                   Prompter& prompter) {
    if (!file.writable()) {
        for (const std::string& message : file.messages) {
            prompter.inform(message, kProgramName);
        }
        return false;
    }
    if (const Result<void> written = folder.write(name, file.bytes); !written) {
        prompter.inform(written.error().text, kCaptionError);
        return false;
    }
    prompter.note("Saved " + std::string(name));
    return true;
}

bool writePageFile(const std::filesystem::path& path, const BuiltFile& file, Prompter& prompter) {
    DiskFolder folder(path.parent_path());
    return writePageFile(folder, path.filename().string(), file, prompter);
}

bool writeHostFile(const ConfigStore& store, std::string_view name, const BuiltFile& file,
                   Prompter& prompter) {
    return writePageFile(filePath(store.dataFolder(), store.hostIndex(), name), file, prompter);
}

} // namespace qb
