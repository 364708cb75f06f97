#include "Checks.h"
#include "files/Crc.h"
#include "files/FileNames.h"
#include "files/Folder.h"
#include "files/SetLayout.h"
#include "store/ConfigStore.h"

#include <algorithm>

namespace qb {

namespace {

std::string acceptedTags(const SetFile& file) {
    std::string text;
    for (std::string_view tag : file.tags) {
        text += (text.empty() ? "\"" : " or \"") + std::string(tag) + "\"";
    }
    return text;
}

bool tagAccepted(const SetFile& file, const FileHeader& header) {
    return std::any_of(file.tags.begin(), file.tags.end(),
                       [&](std::string_view tag) { return header.hasTag(tag); }) ||
           (file.signatureAccepted && header.hasSignature());
}

} // namespace

void checkFraming(const ConfigStore& store, const Folder& folder, bool forController,
                  Findings& findings) {
    std::vector<Finding> perFile;
    Findings found(perFile);
    bool anyThere = false;
    for (const SetFile& file : setLayout(store.systemCode())) {
        const std::string name = fileName(store.hostIndex(), file.name);
        const auto error = [&](std::string text) {
            found.add(Severity::Error, FindingPage::None, name, {}, std::move(text));
        };
        const Result<FileStart> start = folder.readStart(name, file.size);
        anyThere = anyThere || start || start.error().cause != Cause::Missing;
        if (!start) {
            if (start.error().cause != Cause::Missing) {
                error("cannot be read: " + start.error().reason());
            } else if (file.alwaysWritten) {
                error("missing: Data export writes it under this system code");
            }
            continue;
        }
        const FileHeader header = FileHeader::fromBytes(start->bytes);
        if (start->size < FileHeader::kSize || !tagAccepted(file, header)) {
            const std::string tag(header.tag());
            error("the tag is " + (tag.empty() ? std::string("missing") : "\"" + tag + "\"") +
                  ", not " + acceptedTags(file));
        }
        if (start->size != file.size) {
            error(std::to_string(start->size) + " bytes: its layout has " +
                  std::to_string(file.size) + (start->size < file.size ? " (cut short)" : ""));
            continue; // a checksum over the wrong bytes says nothing more
        }
        if (header.crc() == 0) {
            found.add(forController ? Severity::Error : Severity::Warning, FindingPage::None, name,
                      {}, "checksum not computed (saved from its page): run Data export");
        } else if (header.crc() != configCrc(std::span(start->bytes).subspan(FileHeader::kSize))) {
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
