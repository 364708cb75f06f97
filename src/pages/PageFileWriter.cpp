#include "PageFileWriter.h"

#include "base/Prompter.h"
#include "files/FileIo.h"

namespace qb {

bool writePageFile(const std::filesystem::path& path, const BuiltFile& file, Prompter& prompter) {
    if (!file.writable()) {
        for (const std::string& message : file.messages) {
            prompter.inform(message, kProgramName);
        }
        return false;
    }
    if (const FileResult result = writeFile(path, file.bytes); !result) {
        prompter.inform(result.error, kCaptionError);
        return false;
    }
    return true;
}

} // namespace qb
