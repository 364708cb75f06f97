#pragma once

#include "Workbook.h"

#include <filesystem>
#include <functional>
#include <string>

namespace qb {

class ConfigStore;
class Prompter;

// The device lists of IO boards 1..40 in a workbook: a sheet "IO<board>_<loop>" per loop, a
// header row naming the columns (in any order), one row per address. The virtual boards take
// no part.
namespace device_workbook {
inline constexpr const char* kFileName = "devices.xls";
inline constexpr int kBoards = 40;
// Asked before either exchange (the comma is U+FF0C; the text ends in a blank).
inline constexpr const char* kQuestion =
    "Are you sure you want to import data from the Excel table? please click 'OK'\xEF\xBC\x8C"
    "otherwise click 'Cancel' ";
inline constexpr const char* kQuestionCaption = "warning!";
inline constexpr const char* kCannotOpen =
    "Failed to open the Excel table , please close the Excel table!";
inline constexpr const char* kBadAddress =
    "'Addr' in the Excel table  error, please check the Excel file devices.xls";
inline constexpr const char* kImported = "Load the data from the Excel table successfully!";
inline constexpr const char* kExported = "The data into the Excel table success!";

// "IO3_2"
std::string sheetName(int board, int loop);

// Where an export keeps the workbook it replaces: "devices.bak.xls" beside "devices.xls" (the
// name's last extension follows ".bak").
std::filesystem::path backupPath(const std::filesystem::path& workbook);
} // namespace device_workbook

// Called after each board (1..40) an exchange has finished with.
using BoardProgress = std::function<void(int board)>;

struct WorkbookOutcome {
    bool succeeded = false;
};

// Writes the working copy of every device record of boards 1..40 into the workbook at `path`:
// the seven value columns of each row whose Addr matches a record's address; every other cell,
// row and sheet is kept as a value. A missing workbook, sheet or value column is created, an
// empty sheet filled. The previous file is first kept at backupPath(path); the new one replaces
// it whole (a link is followed: the file it leads to is replaced). A damaged workbook, a sheet
// without an Addr column or an Addr cell that cannot be read leaves everything as it was. The
// messages (success, or what failed and why) go to `prompter`. Asks nothing.
WorkbookOutcome exportDevices(const ConfigStore& store, const std::filesystem::path& path,
                              Prompter& prompter, const BoardProgress& progress = {});

// Reads the workbook at `path` into the working copy of the device records of boards 1..40,
// board by board, each board's previous records kept in its saved copy first. A workbook that
// cannot be read changes nothing; a bad address, a missing sheet or column or an unreadable
// cell stops the import with the boards (and rows) read before it kept. Asks nothing.
WorkbookOutcome importDevices(ConfigStore& store, const std::filesystem::path& path,
                              Prompter& prompter, const BoardProgress& progress = {});

// The same on a workbook already read (`fileName` names it in messages).
WorkbookOutcome importDevices(ConfigStore& store, const Workbook& workbook,
                              const std::string& fileName, Prompter& prompter,
                              const BoardProgress& progress = {});

} // namespace qb
