#include "Cli.h"

#include "ConfigDump.h"
#include "StreamPrompter.h"
#include "base/Result.h"
#include "check/ConfigCheck.h"
#include "check/SetDiff.h"
#include "excel/DeviceWorkbook.h"
#include "files/Crc.h"
#include "files/DataExport.h"
#include "files/DiskFolder.h"
#include "files/FileIo.h"
#include "files/FileNames.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"

#include <charconv>
#include <map>
#include <optional>

namespace qb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = R"(usage: quillbarrow-cli COMMAND ...

  new DIR --system-code C [--host N] [--force]
      Write into DIR exactly the file set that "Data export" writes right after start-up
      under system code C (0, 1 or 2) for host N (1..254, default 1).
  finalize DIR --system-code C [--host N] [--out DIR2] [--force]
      "Load Data" from DIR, then "Data export" into DIR2 (default DIR): every checksum is
      computed again, for instance after page saves.
  export-devices DIR --system-code C [--host N] --workbook FILE
      "Load Data" from DIR, then write the device records of IO boards 1..40 into the
      workbook FILE (.xls): the values of each row whose Addr matches a device; a missing
      workbook or sheet is created. The previous workbook is kept beside it with ".bak"
      before its extension (devices.bak.xls). A set that does not load without problems
      is not written.
  import-devices DIR --system-code C [--host N] --workbook FILE [--out DIR2] [--force]
      "Load Data" from DIR, read the device records of IO boards 1..40 from the workbook
      FILE, then "Data export" into DIR2 (default DIR). A set that does not load without
      problems or a failed import exports nothing.
  inspect DIR [--host N]
      One line per file of the host's set: name, size, tag, format bytes and checksum
      ("ok", "mismatch" or "not computed"). Files every export writes are listed as
      "missing" when absent; a file that is there but cannot be read, as "unreadable" with
      the reason.
  dump DIR --system-code C [--host N] [--json]
      The configuration loaded from DIR, readable: zones, hosts, displays, IO boards,
      registered devices, linkage rules with their outputs, mimic modules, keypads, and
      the hand control, broadcast, hydrant and gas zone records that differ from start-up.
  diff DIR_A DIR_B --system-code C [--host N] [--json]
      "Load Data" from both folders, then one line per change from the set in DIR_A to
      the set in DIR_B, in the words of the pages: zones, hosts, displays, IO boards,
      devices, linkage rules (matched by kind and inputs, wherever their records are),
      mimic modules and LEDs, keypads, hand control, broadcast, hydrant and gas zones.
      Nothing for sets that mean the same. Exit status 1 when anything differs or a set
      did not load without problems.
  check DIR --system-code C [--host N] [--for-controller] [--json]
      "Load Data" from DIR, then one line per finding, errors first: the files (missing,
      wrong size or tag, checksums), the linkage, hydrant, keypad and other chains, the
      references between tables, values and texts the controller would not take, the
      capacity of every pool, and notes. A checksum left uncomputed by a page save and a
      stale registered-rule count are warnings ("run Data export"), or errors with
      --for-controller, for the set that goes to the controller. Exit status 1 when there
      is an error.

Like "Data export", new, finalize and import-devices first empty the target folder, replacing
what is in it; they refuse a folder that holds anything but configuration files ("M....BIN")
unless --force is given.
Exit status: 0 all well, 1 a file was missing, refused or not written, or the workbook
exchange failed, 2 wrong usage.
)";

struct Options {
    std::string command;
    fs::path folder;
    std::optional<SystemCode> code;
    std::uint8_t hostIndex = 0;
    std::optional<fs::path> out;
    std::optional<fs::path> workbook;
    std::optional<fs::path> otherFolder; // diff: the set compared with `folder`
    bool json = false;
    bool force = false;
    bool forController = false;
};

// A wrong command line, as the usage message words it.
Error invalid(std::string text) {
    return {Cause::InvalidInput, {}, std::move(text)};
}

Result<int> parseNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return invalid(text + " is no number");
    }
    return value;
}

// The options of the command line; the error says what is wrong with it.
Result<Options> parse(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) {
        return invalid("a command and a folder are needed");
    }
    Options options;
    options.command = arguments[0];
    options.folder = arguments[1];
    std::size_t firstOption = 2;
    if (options.command == "diff") {
        if (arguments.size() < 3 || arguments[2].starts_with("--")) {
            return invalid("diff needs two folders");
        }
        options.otherFolder = fs::path(arguments[2]);
        firstOption = 3;
    }
    for (std::size_t i = firstOption; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--system-code" && hasValue) {
            const auto value = parseNumber(arguments[++i]);
            if (!value || *value < 0 || *value > 2) {
                return invalid("--system-code takes 0, 1 or 2");
            }
            options.code = static_cast<SystemCode>(*value);
        } else if (a == "--host" && hasValue) {
            const auto value = parseNumber(arguments[++i]);
            if (!value || *value < 1 || *value > 254) {
                return invalid("--host takes a host number from 1 to 254");
            }
            options.hostIndex = static_cast<std::uint8_t>(*value - 1);
        } else if (a == "--out" && hasValue) {
            options.out = fs::path(arguments[++i]);
        } else if (a == "--workbook" && hasValue) {
            options.workbook = fs::path(arguments[++i]);
        } else if (a == "--json") {
            options.json = true;
        } else if (a == "--force") {
            options.force = true;
        } else if (a == "--for-controller") {
            options.forController = true;
        } else {
            return invalid("unknown or incomplete option: " + a);
        }
    }
    const bool needsCode = options.command != "inspect";
    if (needsCode && !options.code) {
        return invalid(options.command + " needs --system-code");
    }
    const bool exchange =
        options.command == "export-devices" || options.command == "import-devices";
    if (exchange && !options.workbook) {
        return invalid(options.command + " needs --workbook");
    }
    return options;
}

// A folder an export may empty: missing, or holding configuration files only.
Result<void> checkTarget(const fs::path& folder, bool force) {
    std::error_code error;
    if (force || !fs::exists(folder, error)) {
        return {};
    }
    if (!fs::is_directory(folder, error)) {
        return invalid(folder.string() + " is not a folder");
    }
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        const bool configFile = entry.is_regular_file(error) && !entry.is_symlink(error) &&
                                name.size() == 12 && name[0] == 'M' &&
                                name.compare(8, 4, ".BIN") == 0;
        if (!configFile) {
            return invalid(
                folder.string() + " holds " + name +
                ", which is no configuration file; use --force to empty it all the same");
        }
    }
    return {};
}

std::unique_ptr<ConfigStore> storeFor(const Options& options, const fs::path& folder) {
    RunState run;
    run.systemCode = *options.code;
    run.headerTemplate = FileHeader::makeTemplate(run.systemCode);
    run.dataFolder = folder;
    auto store = ConfigStore::create(run);
    store->network.working.setHostIndex(options.hostIndex);
    return store;
}

int exportInto(ConfigStore& store, const fs::path& folder, std::ostream& err) {
    std::error_code error;
    fs::create_directories(folder, error);
    store.setDataFolder(folder);
    StreamPrompter prompter(err);
    return dataExport(store, prompter).problems == 0 ? 0 : 1;
}

int runNew(const Options& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    // Chosen as on the NET page: the host becomes registered.
    store->network.working.hostRegistration(options.hostIndex + 1) = 1;
    store->network.takeSavePoint();
    return exportInto(*store, options.folder, err);
}

int runFinalize(const Options& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    const SetOutcome loaded = loadData(*store, prompter);
    const int exported = exportInto(*store, options.out.value_or(options.folder), err);
    return loaded.problems == 0 && exported == 0 ? 0 : 1;
}

// Loads the set for a workbook exchange; false (with a message naming what stays as it was)
// when it did not load whole, since whatever did not load would go on as start-up values.
bool loadForExchange(ConfigStore& store, const Options& options, const std::string& untouched,
                     Prompter& prompter) {
    if (loadData(store, prompter).problems == 0) {
        return true;
    }
    prompter.inform(untouched + " is left as it was: the set in " + options.folder.string() +
                        " did not load without problems",
                    kProgramName);
    return false;
}

int runExportDevices(const Options& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    if (!loadForExchange(*store, options, options.workbook->string(), prompter)) {
        return 1;
    }
    return exportDevices(*store, *options.workbook, prompter).succeeded ? 0 : 1;
}

int runImportDevices(const Options& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    const fs::path target = options.out.value_or(options.folder);
    if (!loadForExchange(*store, options, target.string(), prompter)) {
        return 1;
    }
    if (!importDevices(*store, *options.workbook, prompter).succeeded) {
        return 1; // a set with half the boards imported is not worth writing
    }
    return exportInto(*store, target, err);
}

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

int runInspect(const Options& options, std::ostream& out) {
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

int runCheck(const Options& options, std::ostream& out) {
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
int runDiff(const Options& options, std::ostream& out, std::ostream& err) {
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

int runDump(const Options& options, std::ostream& out, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    const SetOutcome loaded = loadData(*store, prompter);
    if (options.json) {
        dumpJson(*store, out);
    } else {
        dumpText(*store, out);
    }
    return loaded.problems == 0 ? 0 : 1;
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    const Result<Options> parsed = parse(arguments);
    if (!parsed) {
        err << "quillbarrow-cli: " << parsed.error().text << "\n\n" << kUsage;
        return 2;
    }
    const Options& options = *parsed;
    if (options.command == "new" || options.command == "finalize" ||
        options.command == "import-devices") {
        const fs::path target =
            options.command == "new" ? options.folder : options.out.value_or(options.folder);
        if (const Result<void> checked = checkTarget(target, options.force); !checked) {
            err << "quillbarrow-cli: " << checked.error().text << '\n';
            return 2;
        }
        if (options.command == "import-devices") {
            return runImportDevices(options, err);
        }
        return options.command == "new" ? runNew(options, err) : runFinalize(options, err);
    }
    if (options.command == "export-devices") {
        return runExportDevices(options, err);
    }
    if (options.command == "inspect") {
        return runInspect(options, out);
    }
    if (options.command == "dump") {
        return runDump(options, out, err);
    }
    if (options.command == "diff") {
        return runDiff(options, out, err);
    }
    if (options.command == "check") {
        return runCheck(options, out);
    }
    err << "quillbarrow-cli: unknown command " << options.command << "\n\n" << kUsage;
    return 2;
}

} // namespace qb
