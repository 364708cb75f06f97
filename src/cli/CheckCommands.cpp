#include "CliOptions.h"
#include "ConfigDump.h"
#include "StreamPrompter.h"
#include "check/ConfigCheck.h"
#include "check/SetDiff.h"
#include "files/Crc.h"
#include "files/DiskFolder.h"
#include "files/FileIo.h"
#include "files/FileNames.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"

namespace qb {

namespace fs = std::filesystem;

namespace {

// The files every export writes, whatever the system code.
bool alwaysExported(std::string_view name) {
    for (std::string_view always :
         {names::kZone, names::kNetwork, names::kDisplay, names::kIoBoard, names::kMimic,
          names::kLinkageInput, names::kLinkageResult, names::kKeypad}) {
        if (name == always) {
            return true;
        }
    }
    return name == "ID01";
}

std::vector<std::string> setNames() {
    std::vector<std::string> list{std::string(names::kZone), std::string(names::kNetwork),
                                  std::string(names::kSystemSettings), std::string(names::kDisplay),
                                  std::string(names::kIoBoard)};
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        list.push_back(deviceFileName(j));
    }
    for (std::string_view name : {names::kLinkageInput, names::kLinkageResult, names::kHandControl,
                                  names::kBroadcast, names::kBroadcastPoints, names::kHydrant,
                                  names::kGasZones, names::kMimic, names::kKeypad}) {
        list.emplace_back(name);
    }
    return list;
}

// Load Data's messages would only say again what the framing findings say.
class SilentPrompter : public Prompter {
public:
    void inform(const std::string&, const std::string&) override {}
    bool confirm(const std::string&, const std::string&) override { return true; }
};

void printFindingsJson(const std::vector<Finding>& findings, std::ostream& out) {
    out << "{\n  \"errors\": " << countFindings(findings, Severity::Error)
        << ",\n  \"warnings\": " << countFindings(findings, Severity::Warning)
        << ",\n  \"notes\": " << countFindings(findings, Severity::Note) << ",\n  \"findings\": [";
    const char* separator = "\n";
    for (const Finding& f : findings) {
        out << separator
            << "    {\"severity\": " << jsonString(std::string(severityName(f.severity)))
            << ", \"file\": " << jsonString(f.file)
            << ", \"page\": " << jsonString(std::string(pageName(f.page)))
            << ", \"board\": " << f.board << ", \"loop\": " << f.loop
            << ", \"address\": " << f.address << ", \"item\": " << f.item
            << ", \"where\": " << jsonString(f.where) << ", \"text\": " << jsonString(f.text)
            << "}";
        separator = ",\n";
    }
    out << (findings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

} // namespace

int runInspect(const CliOptions& options, std::ostream& out) {
    int status = 0;
    for (const std::string& name : setNames()) {
        const fs::path path = filePath(options.folder, options.hostIndex, name);
        const std::string file = path.filename().string();
        // No file of a set is near this size; a larger one is read only this far.
        constexpr std::size_t kLargestRead = 1 << 20;
        const auto start = readFileStart(path, kLargestRead);
        if (!start) {
            if (start.error().cause != Cause::Missing) {
                out << file << " unreadable: " << start.error().reason() << '\n';
                status = 1;
            } else if (alwaysExported(name)) {
                out << file << " missing\n";
                status = 1;
            }
            continue;
        }
        const std::vector<std::uint8_t>& bytes = start->bytes;
        const FileHeader header = FileHeader::fromBytes(bytes);
        const std::string_view tag = header.tag();
        std::string crc = "not computed";
        if (bytes.size() < FileHeader::kSize || start->size > kLargestRead) {
            crc = "mismatch";
        } else if (header.crc() != 0) {
            const bool ok = header.crc() == configCrc(std::span(bytes).subspan(FileHeader::kSize));
            crc = ok ? "ok" : "mismatch";
        }
        if (crc == "mismatch") {
            status = 1;
        }
        out << file << ' ' << start->size << ' ' << (tag.empty() ? "-" : std::string(tag)) << ' '
            << int(header.formatByte1()) << ' ' << int(header.formatByte2()) << ' ' << crc << '\n';
    }
    return status;
}

int runCheck(const CliOptions& options, std::ostream& out) {
    auto store = storeFor(options, options.folder);
    SilentPrompter quiet;
    DiskFolder folder(options.folder);
    loadData(*store, folder, quiet);
    const std::vector<Finding> findings =
        checkConfiguration(*store, folder, CheckOptions{options.forController});
    if (options.json) {
        printFindingsJson(findings, out);
    } else {
        for (const Finding& finding : findings) {
            out << findingLine(finding) << '\n';
        }
    }
    return countFindings(findings, Severity::Error) == 0 ? 0 : 1;
}

// A set that did not load whole still compares, what did not load reading as start-up values,
// but its status says so.
int runDiff(const CliOptions& options, std::ostream& out, std::ostream& err) {
    auto before = storeFor(options, options.folder);
    auto after = storeFor(options, *options.otherFolder);
    StreamPrompter prompter(err);
    const int problems = loadData(*before, prompter).problems + loadData(*after, prompter).problems;
    const ChangeLines changes = diffConfigurations(*before, *after);
    if (options.json) {
        out << "{\n  \"changes\": [";
        for (std::size_t i = 0; i < changes.size(); ++i) {
            out << (i ? ",\n    " : "\n    ") << jsonString(changes[i]);
        }
        out << (changes.empty() ? "]\n}\n" : "\n  ]\n}\n");
    } else {
        for (const std::string& change : changes) {
            out << change << '\n';
        }
    }
    return problems == 0 && changes.empty() ? 0 : 1;
}

} // namespace qb
