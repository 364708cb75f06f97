#include "Cli.h"

#include "CliOptions.h"
#include "CliUsage.h"
#include "ConfigDump.h"
#include "SetInference.h"
#include "StreamPrompter.h"
#include "base/Result.h"
#include "base/Version.h"
#include "excel/DeviceWorkbook.h"
#include "files/DataExport.h"
#include "files/FileIo.h"
#include "files/FileNames.h"
#include "files/LoadData.h"
#include "store/ConfigStore.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace qb {

namespace fs = std::filesystem;

namespace {

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

constexpr std::string_view kCommands[] = {"new",     "finalize", "export-devices", "import-devices",
                                          "inspect", "dump",     "diff",           "check",
                                          "report",  "find"};

bool isCommand(const std::string& word) {
    return std::find(std::begin(kCommands), std::end(kCommands), word) != std::end(kCommands);
}

// The options of the command line; the error says what is wrong with it.
Result<CliOptions> parse(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return invalid("a command is needed");
    }
    CliOptions options;
    options.command = arguments[0];
    if (!isCommand(options.command)) {
        return invalid("unknown command " + options.command);
    }
    const std::size_t folders = options.command == "diff" ? 2 : 1;
    for (std::size_t n = 1; n <= folders; ++n) {
        if (arguments.size() <= n || arguments[n].starts_with("--")) {
            return invalid(options.command +
                           (folders == 2 ? " needs two folders" : " needs a folder"));
        }
    }
    options.folder = arguments[1];
    if (folders == 2) {
        options.otherFolder = fs::path(arguments[2]);
    }
    std::size_t first = folders + 1;
    if (options.command == "find") {
        if (arguments.size() <= 2 || arguments[2].starts_with("--")) {
            return invalid("find needs a text to search for");
        }
        options.searchText = arguments[2];
        first = 3;
    }
    for (std::size_t i = first; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool takesValue =
            a == "--system-code" || a == "--host" || a == "--out" || a == "--workbook";
        if (takesValue && i + 1 == arguments.size()) {
            return invalid(a + " needs a value");
        }
        if (a == "--system-code") {
            const auto value = parseNumber(arguments[++i]);
            if (!value || *value < 0 || *value > 2) {
                return invalid("--system-code takes 0, 1 or 2");
            }
            options.code = static_cast<SystemCode>(*value);
        } else if (a == "--host") {
            const auto value = parseNumber(arguments[++i]);
            if (!value || *value < 1 || *value > 254) {
                return invalid("--host takes a host number from 1 to 254");
            }
            options.hostIndex = static_cast<std::uint8_t>(*value - 1);
        } else if (a == "--out") {
            options.out = fs::path(arguments[++i]);
        } else if (a == "--workbook") {
            options.workbook = fs::path(arguments[++i]);
        } else if (a == "--json") {
            options.json = true;
        } else if (a == "--force") {
            options.force = true;
        } else if (a == "--for-controller") {
            options.forController = true;
        } else if (a.starts_with("-")) {
            return invalid("unknown option " + a);
        } else {
            return invalid("unexpected argument " + a);
        }
    }
    if (options.command == "new") {
        options.code = options.code.value_or(kNewSetCode);
        options.hostIndex = options.hostIndex.value_or(0);
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

// Fills in the host and system code that the command line left out, from the folders' files.
Result<void> identifySets(CliOptions& options) {
    const bool needsCode = options.command != "inspect";
    const bool needsFiles =
        options.command == "inspect" || options.command == "dump" || options.command == "find";
    const auto identity =
        identifySet(options.folder, options.hostIndex, options.code, needsCode, needsFiles);
    if (!identity) {
        return identity.error();
    }
    if (options.otherFolder) {
        const auto other = identifySet(*options.otherFolder, options.hostIndex, options.code,
                                       needsCode, needsFiles);
        if (!other) {
            return other.error();
        }
        if (other->hostIndex != identity->hostIndex) {
            return invalid(
                options.folder.string() + " holds host " + hostNumberText(identity->hostIndex) +
                "'s set and " + options.otherFolder->string() + " host " +
                hostNumberText(other->hostIndex) + "'s: diff compares the sets of one host");
        }
        if (other->code != identity->code) {
            return invalid(options.folder.string() + " holds a set of system code " +
                           std::to_string(toByte(*identity->code)) + " and " +
                           options.otherFolder->string() + " one of system code " +
                           std::to_string(toByte(*other->code)) +
                           ": choose the code both are read under with --system-code");
        }
    }
    options.hostIndex = identity->hostIndex;
    options.code = identity->code;
    return {};
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
    store->network.working.hostRegistration(*options.hostIndex + 1) = 1;
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
    store->network.working.setHostIndex(*options.hostIndex);
    return store;
}

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << cliUsage();
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "--version") {
        out << "quillbarrow-cli " << kProgramVersion << '\n';
        return 0;
    }
    Result<CliOptions> parsed = parse(arguments);
    if (!parsed) {
        err << "quillbarrow-cli: " << parsed.error().text << "\n\n" << cliUsage();
        return 2;
    }
    CliOptions& options = *parsed;
    if (options.command != "new") {
        if (const Result<void> identified = identifySets(options); !identified) {
            err << "quillbarrow-cli: " << identified.error().text << '\n';
            return options.command == "find" ? 2 : 1; // grep's status for a search gone wrong
        }
    }
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
    if (options.command == "find") {
        return runFind(options, out, err);
    }
    err << "quillbarrow-cli: unknown command " << options.command << '\n';
    return 2; // parse() knows the command but nothing here runs it
}

} // namespace qb
