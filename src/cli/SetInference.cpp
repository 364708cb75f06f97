#include "SetInference.h"

#include "files/FileIo.h"
#include "files/FileNames.h"
#include "files/SetLayout.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace qb {

namespace fs = std::filesystem;

namespace {

Error refused(std::string text, Cause cause = Cause::InvalidInput) {
    return {cause, {}, std::move(text)};
}

Result<void> checkFolder(const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (!fs::exists(status)) {
        return refused(folder.string() + " does not exist", Cause::Missing);
    }
    if (!fs::is_directory(status)) {
        return refused(folder.string() + " is not a folder", Cause::NotAFile);
    }
    return {};
}

bool isSetFileName(const std::string& name) {
    static const std::vector<std::string> names = setFileNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// "001 and 003", "001, 003 and 007".
std::string hostList(const std::set<std::uint8_t>& hosts) {
    const std::vector<std::uint8_t> list(hosts.begin(), hosts.end());
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            text += i + 1 == list.size() ? " and " : ", ";
        }
        text += hostNumberText(list[i]);
    }
    return text;
}

// The host whose files the folder holds; files of other names do not count.
Result<std::uint8_t> inferHost(const fs::path& folder) {
    std::set<std::uint8_t> hosts;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto parsed = parseFileName(entry->path().filename().string());
        if (parsed && isSetFileName(parsed->name)) {
            hosts.insert(parsed->hostIndex);
        }
    }
    if (error) {
        return Error{Cause::IoFailure, error,
                     folder.string() + " cannot be read: " + error.message()};
    }
    if (hosts.empty()) {
        return refused(folder.string() + " holds no configuration file", Cause::Missing);
    }
    if (hosts.size() > 1) {
        return refused(folder.string() + " holds the sets of hosts " + hostList(hosts) +
                       ": choose one with --host");
    }
    return *hosts.begin();
}

// The files of the host's set that are there; those that cannot be read are left out.
std::vector<FoundSetFile> readableFiles(const fs::path& folder, std::uint8_t hostIndex,
                                        bool& anyPresent) {
    std::vector<FoundSetFile> found;
    anyPresent = false;
    for (const std::string& name : setFileNames()) {
        const std::string file = fileName(hostIndex, name);
        const Result<FileStart> start = readFileStart(folder / file, FileHeader::kSize);
        if (!start && start.error().cause == Cause::Missing) {
            continue;
        }
        anyPresent = true;
        if (start) {
            found.push_back({name, file, static_cast<std::size_t>(start->size),
                             FileHeader::fromBytes(start->bytes)});
        }
    }
    return found;
}

} // namespace

Result<SetIdentity> identifySet(const fs::path& folder, std::optional<std::uint8_t> givenHost,
                                std::optional<SystemCode> givenCode, bool needsCode,
                                bool needsFiles) {
    SetIdentity identity{givenHost.value_or(0), givenCode};
    const bool inferCode = needsCode && !givenCode;
    if (!givenHost || inferCode || needsFiles) {
        if (const Result<void> checked = checkFolder(folder); !checked) {
            return checked.error();
        }
    }
    if (!givenHost) {
        const Result<std::uint8_t> host = inferHost(folder);
        if (!host) {
            return host.error();
        }
        identity.hostIndex = *host;
    }
    if (!inferCode && !needsFiles) {
        return identity;
    }
    bool anyPresent = false;
    const std::vector<FoundSetFile> files = readableFiles(folder, identity.hostIndex, anyPresent);
    if (needsFiles && !anyPresent) {
        return refused(folder.string() + " holds no file of host " +
                           hostNumberText(identity.hostIndex) + "'s set",
                       Cause::Missing);
    }
    if (inferCode) {
        const Result<SystemCode> code = inferSystemCode(files);
        if (!code) {
            return refused("the system code of host " + hostNumberText(identity.hostIndex) +
                               "'s set in " + folder.string() + " cannot be told: " +
                               code.error().text + "; give it with --system-code",
                           code.error().cause);
        }
        identity.code = *code;
    }
    return identity;
}

} // namespace qb
