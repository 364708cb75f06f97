#include "Checks.h"
#include "SetFileState.h"
#include "files/FileNames.h"
#include "store/ConfigStore.h"

namespace qb {

namespace {

std::string acceptedTags(const SetFile& file) {
    std::string text;
    for (std::string_view tag : file.tags) {
        text += (text.empty() ? "\"" : " or \"") + std::string(tag) + "\"";
    }
    return text;
}

} // namespace

void checkFraming(const ConfigStore& store, const Folder& folder, bool forController,
                  Findings& findings) {
    std::vector<Finding> perFile;
    Findings found(perFile);
    bool anyThere = false;
    for (const SetFileState& state : readSetFiles(store, folder)) {
        const SetFile& file = state.file;
        const auto error = [&](std::string text) {
            found.add(Severity::Error, FindingPage::None, state.name, {}, std::move(text));
        };
        anyThere = anyThere || !state.missing();
        if (state.error) {
            if (!state.missing()) {
                error("cannot be read: " + state.error->reason());
            } else if (file.alwaysWritten) {
                error("missing: Data export writes it under this system code");
            }
            continue;
        }
        if (!state.tagAccepted) {
            const std::string tag(state.header.tag());
            error("the tag is " + (tag.empty() ? std::string("missing") : "\"" + tag + "\"") +
                  ", not " + acceptedTags(file));
        }
        if (state.size != file.size) {
            error(std::to_string(state.size) + " bytes: its layout has " +
                  std::to_string(file.size) + (state.size < file.size ? " (cut short)" : ""));
            continue; // a checksum over the wrong bytes says nothing more
        }
        if (state.checksum == ChecksumState::NotComputed) {
            found.add(forController ? Severity::Error : Severity::Warning, FindingPage::None,
                      state.name, {},
                      "checksum not computed (saved from its page): run Data export");
        } else if (state.checksum == ChecksumState::Mismatch) {
            error("checksum mismatch: the file was changed after it was written");
        }
    }
    // A set never exported is one finding, not fifty.
    if (!anyThere) {
        findings.add(Severity::Error, FindingPage::None, {}, {},
                     "no file of the set (" + fileName(store.hostIndex(), "*") +
                         ") is in the Data folder: run Data export");
        return;
    }
    findings.append(std::move(perFile));
}

} // namespace qb
