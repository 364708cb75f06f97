#include "SetFileState.h"

#include "files/Crc.h"
#include "files/FileNames.h"
#include "files/Folder.h"
#include "store/ConfigStore.h"

#include <algorithm>

namespace qb {

namespace {

bool tagAccepted(const SetFile& file, const FileHeader& header) {
    return std::any_of(file.tags.begin(), file.tags.end(),
                       [&](std::string_view tag) { return header.hasTag(tag); }) ||
           (file.signatureAccepted && header.hasSignature());
}

} // namespace

std::vector<SetFileState> readSetFiles(const ConfigStore& store, const Folder& folder) {
    std::vector<SetFileState> states;
    for (SetFile& file : setLayout(store.systemCode())) {
        SetFileState& state = states.emplace_back();
        state.name = fileName(store.hostIndex(), file.name);
        state.file = std::move(file);
        const Result<FileStart> start = folder.readStart(state.name, state.file.size);
        if (!start) {
            state.error = start.error();
            continue;
        }
        state.size = start->size;
        state.header = FileHeader::fromBytes(start->bytes);
        state.tagAccepted =
            start->size >= FileHeader::kSize && tagAccepted(state.file, state.header);
        if (start->size != state.file.size) {
            continue; // a checksum over the wrong bytes says nothing
        }
        if (state.header.crc() == 0) {
            state.checksum = ChecksumState::NotComputed;
        } else {
            const auto data = std::span(start->bytes).subspan(FileHeader::kSize);
            state.checksum =
                state.header.crc() == configCrc(data) ? ChecksumState::Ok : ChecksumState::Mismatch;
        }
    }
    return states;
}

} // namespace qb
