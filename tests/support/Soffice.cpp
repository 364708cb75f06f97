#include "Soffice.h"

#include "TempDir.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

extern char** environ;

namespace qb::test {

namespace fs = std::filesystem;

namespace {

// The CSV export filter: comma, double quote, UTF-8 (76), from line 1, cell contents with full
// precision rather than as shown, no formulas, spaces kept, and -1: every sheet, each to
// "<stem>-<sheet name>.csv".
constexpr const char* kCsvFilter =
    "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1";
constexpr const char* kXlsFilter = "xls:MS Excel 97";
// Far beyond the second or two a conversion takes; only a hung soffice meets it.
constexpr auto kDeadline = std::chrono::minutes(3);

Error failure(std::string text) {
    return Error{Cause::IoFailure, {}, std::move(text)};
}

std::string textOf(const fs::path& path) {
    const std::vector<std::uint8_t> bytes = readAll(path);
    return {bytes.begin(), bytes.end()};
}

// Runs soffice headless on `input` with `convertTo`, writing into `outDir`.
Result<void> convert(const fs::path& input, const char* convertTo, const fs::path& outDir) {
    TempDir profile;
    const fs::path log = profile / "soffice.log";
    std::vector<std::string> args = {
        "soffice",      "--headless",
        "--norestore",  "-env:UserInstallation=file://" + (profile / "user").string(),
        "--convert-to", convertTo,
        "--outdir",     outDir.string(),
        input.string()};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    // A group of its own, so that a hung run can be ended with every process it started.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "soffice", &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) {
        return failure("cannot run soffice (" + std::generic_category().message(spawned) +
                       "): the workbook checks need LibreOffice Calc, package "
                       "libreoffice-calc-nogui, which scripts/install-deps.sh installs");
    }

    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return failure("soffice did not finish converting " + input.string() +
                           " within three minutes:\n" + textOf(log));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return failure("soffice failed converting " + input.string() + ":\n" + textOf(log));
    }
    return {};
}

} // namespace

Result<std::map<std::string, CsvRows>> sheetsThroughLibreOffice(const fs::path& workbook) {
    TempDir out;
    if (Result<void> run = convert(workbook, kCsvFilter, out.path()); !run) {
        return run.error();
    }
    const std::string prefix = workbook.stem().string() + "-";
    std::map<std::string, CsvRows> sheets;
    for (const auto& entry : fs::directory_iterator(out.path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(prefix) && entry.path().extension() == ".csv") {
            const std::string sheet = entry.path().stem().string().substr(prefix.size());
            sheets[sheet] = parseCsv(textOf(entry.path()));
        }
    }
    if (sheets.empty()) {
        return failure("soffice wrote no CSV for " + workbook.string());
    }
    return sheets;
}

Result<void> resaveThroughLibreOffice(const fs::path& workbook, const fs::path& target) {
    TempDir out;
    if (Result<void> run = convert(workbook, kXlsFilter, out.path()); !run) {
        return run;
    }
    const fs::path saved = out / (workbook.stem().string() + ".xls");
    std::error_code error;
    fs::copy_file(saved, target, fs::copy_options::overwrite_existing, error);
    if (error) {
        return failure("soffice wrote no workbook for " + workbook.string() + ": " +
                       error.message());
    }
    return {};
}

CsvRows parseCsv(std::string_view text) {
    CsvRows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !row.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace qb::test
