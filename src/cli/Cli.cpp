#include "Cli.h"

#include "CliOptions.h"
#include "ConfigDump.h"
#include "StreamPrompter.h"
#include "base/Result.h"
#include "excel/DeviceWorkbook.h"
#include "files/DataExport.h"
#include "files/FileIo.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"

#include <charconv>
#include <map>
#include <optional>

namespace qb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage = R"(usage: quillbarrow-cli COMMAND ...
       quillbarrow-cli --help | --version

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

  report DIR --system-code C [--host N] --out FILE.html
      "Load Data" from DIR, then write the printable configuration report into FILE.html,
      one self-contained document: the files of the set with their checksums, zones, hosts,
      displays, IO boards, the registered devices of each loop, the linkage rules with their
      outputs, the mimic, keypad, hand control, broadcast, hydrant and gas zone records, and
      the findings of the check. Exit status 1 when the file could not be written.

new, finalize and import-devices write only where they are told, and replace what the target
folder holds: unlike the program's "Data export", they keep no Data.previous. They refuse a
folder that holds anything but configuration files ("M....BIN") unless --force is given. Every
text is checked first: when a name or position would be refused, all of them are listed and
the target folder is left as it was.
Exit status: 0 all well, 1 a file was missing, refused or not written, or the workbook
exchange failed, 2 wrong usage.
)";

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
Result<CliOptions> parse(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) {
        return invalid("a command and a folder are needed");
    }
    CliOptions options;
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
    if (options.command == "report" && !options.out) {
        return invalid("report needs --out");
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

int exportInto(ConfigStore& store, const fs::path& folder, std::ostream& err) {
    std::error_code error;
    const bool existed = fs::exists(folder, error);
    fs::create_directories(folder, error);
    store.setDataFolder(folder);
    StreamPrompter prompter(err);
    if (dataExport(store, prompter, PreviousSet::Discard).problems == 0) {
        return 0;
    }
    if (!existed) {
        fs::remove(folder, error); // only while empty: a refused set leaves no trace
    }
    return 1;
}

int runNew(const CliOptions& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    // Chosen as on the NET page: the host becomes registered.
    store->network.working.hostRegistration(options.hostIndex + 1) = 1;
    store->network.takeSavePoint();
    return exportInto(*store, options.folder, err);
}

int runFinalize(const CliOptions& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    const SetOutcome loaded = loadData(*store, prompter);
    const int exported = exportInto(*store, options.out.value_or(options.folder), err);
    return loaded.problems == 0 && exported == 0 ? 0 : 1;
}

// Loads the set for a workbook exchange; false (with a message naming what stays as it was)
// when it did not load whole, since whatever did not load would go on as start-up values.
bool loadForExchange(ConfigStore& store, const CliOptions& options, const std::string& untouched,
                     Prompter& prompter) {
    if (loadData(store, prompter).problems == 0) {
        return true;
    }
    prompter.inform(untouched + " is left as it was: the set in " + options.folder.string() +
                        " did not load without problems",
                    kProgramName);
    return false;
}

int runExportDevices(const CliOptions& options, std::ostream& err) {
    auto store = storeFor(options, options.folder);
    StreamPrompter prompter(err);
    if (!loadForExchange(*store, options, options.workbook->string(), prompter)) {
        return 1;
    }
    return exportDevices(*store, *options.workbook, prompter).succeeded ? 0 : 1;
}

int runImportDevices(const CliOptions& options, std::ostream& err) {
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

int runDump(const CliOptions& options, std::ostream& out, std::ostream& err) {
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

std::unique_ptr<ConfigStore> storeFor(const CliOptions& options, const fs::path& folder) {
    RunState run;
    run.systemCode = *options.code;
    run.headerTemplate = FileHeader::makeTemplate(run.systemCode);
    run.dataFolder = folder;
    auto store = ConfigStore::create(run);
    store->network.working.setHostIndex(options.hostIndex);
    return store;
}

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    const Result<CliOptions> parsed = parse(arguments);
    if (!parsed) {
        err << "quillbarrow-cli: " << parsed.error().text << "\n\n" << kUsage;
        return 2;
    }
    const CliOptions& options = *parsed;
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
    if (options.command == "report") {
        return runReport(options, err);
    }
    err << "quillbarrow-cli: unknown command " << options.command << "\n\n" << kUsage;
    return 2;
}

} // namespace qb
