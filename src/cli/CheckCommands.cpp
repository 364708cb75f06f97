#include "CliOptions.h"
#include "ConfigDump.h"
#include "JsonWriter.h"
#include "StreamPrompter.h"
#include "check/ConfigCheck.h"
#include "check/SetDiff.h"
#include "files/Crc.h"
#include "files/DiskFolder.h"
#include "files/FileIo.h"
#include "files/FileNames.h"
#include "files/LoadData.h"
#include "files/SetLayout.h"
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

// What inspect tells of one file of the set.
struct InspectedFile {
    std::string file;
    std::string state; // "present", "missing" or "unreadable"
    std::string reason;
    std::uintmax_t size = 0;
    std::string tag;
    std::uint8_t format1 = 0;
    std::uint8_t format2 = 0;
    std::string checksum;
};

// "M001ZONE.BIN 548 ZONED 3 1 ok", "M001NET_.BIN missing", "M001ZONE.BIN unreadable: Is a
// directory".
std::string textLine(const InspectedFile& f) {
    if (f.state != "present") {
        return f.file + ' ' + f.state + (f.reason.empty() ? "" : ": " + f.reason);
    }
    return f.file + ' ' + std::to_string(f.size) + ' ' + (f.tag.empty() ? "-" : f.tag) + ' ' +
           std::to_string(f.format1) + ' ' + std::to_string(f.format2) + ' ' + f.checksum;
}

JsonObject jsonObject(const InspectedFile& f) {
    JsonObject object{{"name", f.file}, {"state", f.state}};
    if (f.state == "unreadable") {
        object.emplace_back("reason", f.reason);
    } else if (f.state == "present") {
        object.emplace_back("size", static_cast<long>(f.size));
        object.emplace_back("tag", f.tag);
        object.emplace_back("formatBytes", JsonArray{f.format1, f.format2});
        object.emplace_back("checksum", f.checksum);
    }
    return object;
}

// The file as inspect tells it; nothing for a missing file that only some exports write.
std::optional<InspectedFile> inspectFile(const fs::path& folder, std::uint8_t hostIndex,
                                         const std::string& name) {
    const fs::path path = filePath(folder, hostIndex, name);
    InspectedFile inspected;
    inspected.file = path.filename().string();
    inspected.state = "present";
    // No file of a set is near this size; a larger one is read only this far.
    constexpr std::size_t kLargestRead = 1 << 20;
    const auto start = readFileStart(path, kLargestRead);
    if (!start) {
        if (start.error().cause != Cause::Missing) {
            inspected.state = "unreadable";
            inspected.reason = start.error().reason();
            return inspected;
        }
        if (alwaysExported(name)) {
            inspected.state = "missing";
            return inspected;
        }
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& bytes = start->bytes;
    const FileHeader header = FileHeader::fromBytes(bytes);
    inspected.size = start->size;
    // A damaged header's bytes would reach the terminal, or make the JSON invalid UTF-8.
    for (const char c : header.tag()) {
        inspected.tag += c >= 0x20 && c < 0x7F ? c : '?';
    }
    inspected.format1 = header.formatByte1();
    inspected.format2 = header.formatByte2();
    inspected.checksum = "not computed";
    if (bytes.size() < FileHeader::kSize || start->size > kLargestRead) {
        inspected.checksum = "mismatch";
    } else if (header.crc() != 0) {
        const bool ok = header.crc() == configCrc(std::span(bytes).subspan(FileHeader::kSize));
        inspected.checksum = ok ? "ok" : "mismatch";
    }
    return inspected;
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
    JsonArray objects;
    for (const std::string& name : setFileNames()) {
        const auto file = inspectFile(options.folder, *options.hostIndex, name);
        if (!file) {
            continue;
        }
        if (file->state != "present" || file->checksum == "mismatch") {
            status = 1;
        }
        if (options.json) {
            objects.push_back(jsonObject(*file));
        } else {
            out << textLine(*file) << '\n';
        }
    }
    if (options.json) {
        writeJson(objects, out);
        out << '\n';
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
