#include "cli/Cli.h"
#include "CliRun.h"
#include "excel/DeviceWorkbook.h"
#include "excel/WorkbookReader.h"
#include "excel/WorkbookWriter.h"
#include "files/DataExport.h"
#include "files/FileIo.h"
#include "files/FileNames.h"
#include "pages/MainWindowLogic.h"
#include "store/ConfigStore.h"
#include "support/DeviceSheetCell.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qb {
namespace {

namespace fs = std::filesystem;

using test::cli;
using test::CliRun;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

TEST(Cli, NewWritesACompleteSetThatInspectsAsOk) {
    test::TempDir dir;
    const std::string data = (dir / "set").string();
    const CliRun made = cli({"new", data, "--system-code", "2", "--host", "5"});
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(made.err.empty());
    const CliRun inspected = cli({"inspect", data, "--host", "5"});
    EXPECT_EQ(inspected.status, 0);
    const auto rows = lines(inspected.out);
    ASSERT_EQ(rows.size(), 50u);
    EXPECT_EQ(rows[0], "M005ZONE.BIN 548 ZONED 3 1 ok");
    EXPECT_EQ(rows[3], "M005IOBR.BIN 76 IOBRG 3 1 ok");
    EXPECT_EQ(rows[4], "M005ID01.BIN 27248 IOBDT 3 1 ok");
    for (const std::string& row : rows) {
        EXPECT_EQ(row.substr(row.size() - 3), " ok") << row;
    }
    // Host 1's files are not there.
    const CliRun other = cli({"inspect", data, "--host", "1"});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.out, "");
    EXPECT_EQ(other.err, "quillbarrow-cli: " + data + " holds no file of host 001's set\n");
}

TEST(Cli, InspectTellsAFileThatIsThereButCannotBeReadFromAMissingOne) {
    test::TempDir dir;
    fs::create_directory(dir / "M001ZONE.BIN");
    const CliRun inspected = cli({"inspect", dir.path().string()});
    EXPECT_EQ(inspected.status, 1);
    const auto rows = lines(inspected.out);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], "M001ZONE.BIN unreadable: Is a directory");
    EXPECT_EQ(rows[1], "M001NET_.BIN missing");
}

TEST(Cli, APageSavedFileShowsItsChecksumAsNotComputedUntilFinalized) {
    test::TempDir program;
    auto store = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo12, program.path()));
    test::FakePrompter prompter;
    test::FakeDialogs dialogs;
    MainWindowLogic window(*store, prompter, dialogs);
    window.start();
    window.pressSave(); // the Zone page
    const std::string data = store->dataFolder().string();
    const CliRun inspected = cli({"inspect", data});
    EXPECT_EQ(inspected.status, 1); // most of the set is missing
    EXPECT_EQ(lines(inspected.out)[0], "M001ZONE.BIN 548 ZONED 2 0 not computed");

    const CliRun finalized = cli({"finalize", data, "--system-code", "0"});
    EXPECT_EQ(finalized.status, 1); // files were missing
    EXPECT_NE(finalized.err.find("File of Setting Display does not exist"), std::string::npos);
    EXPECT_EQ(finalized.err.find("Input string too long"), std::string::npos);
    EXPECT_EQ(lines(cli({"inspect", data}).out)[0], "M001ZONE.BIN 548 ZONED 2 0 ok");
}

TEST(Cli, CheckFindsNoErrorInANewSetAndNamesAMissingFile) {
    test::TempDir dir;
    const std::string data = dir.path().string();
    ASSERT_EQ(cli({"new", data, "--system-code", "1"}).status, 0);
    const CliRun fresh = cli({"check", data, "--system-code", "1", "--for-controller"});
    EXPECT_EQ(fresh.status, 0) << fresh.out;
    EXPECT_EQ(fresh.out.find("error:"), std::string::npos) << fresh.out;
    EXPECT_NE(fresh.out.find("note: conditions: 0 / 3000\n"), std::string::npos) << fresh.out;

    fs::remove(dir / "M001ZONE.BIN");
    const CliRun damaged = cli({"check", data, "--system-code", "1", "--json"});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.out.find("\"errors\": 1,"), std::string::npos) << damaged.out;
    EXPECT_NE(damaged.out.find("{\"severity\": \"error\", \"file\": \"M001ZONE.BIN\""),
              std::string::npos)
        << damaged.out;
}

TEST(Cli, NewUnderSystemCodeZeroWritesTheWholeSetSilently) {
    test::TempDir dir;
    const CliRun made = cli({"new", dir.path().string(), "--system-code", "0"});
    EXPECT_EQ(made.status, 0);
    EXPECT_EQ(made.out + made.err, "");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 50);
}

TEST(Cli, FinalizeRecomputesEveryChecksumIntoAnotherFolder) {
    test::TempDir dir;
    const std::string data = (dir / "in").string();
    ASSERT_EQ(cli({"new", data, "--system-code", "1"}).status, 0);
    auto zone = test::readAll(dir / "in/M001ZONE.BIN");
    zone[33] = 'A'; // zone 1 named "A": the stored checksum no longer fits
    test::writeAll(dir / "in/M001ZONE.BIN", zone);
    EXPECT_EQ(lines(cli({"inspect", data}).out)[0], "M001ZONE.BIN 548 ZONED 3 1 mismatch");

    const std::string out = (dir / "out").string();
    const CliRun finalized = cli({"finalize", data, "--system-code", "1", "--out", out});
    EXPECT_EQ(finalized.status, 0) << finalized.err;
    EXPECT_EQ(lines(cli({"inspect", out}).out)[0], "M001ZONE.BIN 548 ZONED 3 1 ok");
    EXPECT_EQ(test::readAll(dir / "out/M001ZONE.BIN")[33], 'A');
    EXPECT_TRUE(fs::exists(dir / "in/M001ZONE.BIN"));
}

TEST(Cli, AFinalizeWithARefusedTextLeavesTheTargetAsItWasAndNothingBesideIt) {
    test::TempDir dir;
    const std::string in = (dir / "in").string();
    ASSERT_EQ(cli({"new", in, "--system-code", "0"}).status, 0);
    auto board = test::readAll(dir / "in/M001ID01.BIN");
    const std::string thirteen = "Stair 3 smoke"; // one byte over the limit of this code
    std::copy(thirteen.begin(), thirteen.end(), board.begin() + 32 + 12);
    test::writeAll(dir / "in/M001ID01.BIN", board);
    const std::string out = (dir / "out").string();
    ASSERT_EQ(cli({"new", out, "--system-code", "0", "--host", "2"}).status, 0);
    const auto before = test::readAll(dir / "out/M002ID01.BIN");

    const CliRun refused = cli({"finalize", in, "--system-code", "0", "--out", out});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Input string too long,Loop 1,Line 1"), std::string::npos);
    EXPECT_EQ(test::readAll(dir / "out/M002ID01.BIN"), before);
    EXPECT_FALSE(fs::exists(dir / "out/M001ID01.BIN"));
    EXPECT_EQ(cli({"finalize", in, "--system-code", "0", "--out", (dir / "new").string()}).status,
              1);
    EXPECT_FALSE(fs::exists(dir / "new"));
    EXPECT_FALSE(fs::exists(dir / "out.previous"));
    EXPECT_FALSE(fs::exists(dir / "in.previous"));
}

TEST(Cli, DumpShowsTheLoadedConfigurationAsJson) {
    test::TempDir dir;
    const std::string data = (dir / "set").string();
    ASSERT_EQ(cli({"new", data, "--system-code", "2", "--host", "3"}).status, 0);
    const CliRun dumped = cli({"dump", data, "--system-code", "2", "--host", "3", "--json"});
    EXPECT_EQ(dumped.status, 0) << dumped.err;
    EXPECT_NE(dumped.out.find("\"current\": \"003\""), std::string::npos) << dumped.out;
    EXPECT_NE(dumped.out.find("\"host\": 3"), std::string::npos);
    EXPECT_NE(dumped.out.find("\"mode\": 1"), std::string::npos);
    EXPECT_EQ(dumped.out.front(), '{');
    EXPECT_EQ(dumped.out.substr(dumped.out.size() - 2), "}\n");
}

TEST(Cli, DiffSaysNothingForEqualSetsAndALinePerChange) {
    test::TempDir dir;
    const std::string a = (dir / "a").string();
    const std::string b = (dir / "b").string();
    ASSERT_EQ(cli({"new", a, "--system-code", "2"}).status, 0);
    ASSERT_EQ(cli({"new", b, "--system-code", "2"}).status, 0);
    const CliRun same = cli({"diff", a, b, "--system-code", "2"});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out + same.err, "");

    auto zone = test::readAll(dir / "b/M001ZONE.BIN");
    zone[33] = 'A'; // zone 1 named "A"
    test::writeAll(dir / "b/M001ZONE.BIN", zone);
    const CliRun changed = cli({"diff", a, b, "--system-code", "2"});
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.out, "zone 1 name: \"\" -> \"A\"\n");
    EXPECT_EQ(cli({"diff", a, b, "--system-code", "2", "--json"}).out,
              "{\n  \"changes\": [\n    \"zone 1 name: \\\"\\\" -> \\\"A\\\"\"\n  ]\n}\n");
    EXPECT_EQ(cli({"diff", a, "--system-code", "2"}).status, 2);
}

TEST(Cli, AFileOfAnotherLengthIsNamedAndFailsEveryCommandThatLoads) {
    test::TempDir dir;
    const std::string data = (dir / "set").string();
    ASSERT_EQ(cli({"new", data, "--system-code", "2"}).status, 0);
    auto zone = test::readAll(dir / "set/M001ZONE.BIN");
    zone.resize(300);
    test::writeAll(dir / "set/M001ZONE.BIN", zone);
    const CliRun finalized = cli({"finalize", data, "--system-code", "2"});
    EXPECT_EQ(finalized.status, 1);
    EXPECT_EQ(finalized.err,
              "M001ZONE.BIN is 300 bytes long, 548 expected: read as far as it goes\n");

    auto keypad = test::readAll(dir / "set/M001KPAD.BIN");
    keypad.resize(500);
    test::writeAll(dir / "set/M001KPAD.BIN", keypad);
    const CliRun dumped = cli({"dump", data, "--system-code", "2"});
    EXPECT_EQ(dumped.status, 1);
    EXPECT_EQ(dumped.err,
              "M001KPAD.BIN is 500 bytes long, 432 expected: the bytes after 432 were ignored\n");
}

TEST(Cli, APanelFileOfTheSetIsKeptCheckedAndDumped) {
    test::TempDir dir;
    const std::string data = (dir / "set").string();
    ASSERT_EQ(cli({"new", data, "--system-code", "2"}).status, 0);
    auto hand = test::readAll(dir / "set/M001KPAD.BIN");
    hand.resize(43244, 0xFF);
    std::copy_n("LDHND", 5, hand.begin() + 14);
    hand[32 + 12] = 0x01; // hand control point 2
    test::writeAll(dir / "set/M001LDMA.BIN", hand);

    ASSERT_EQ(cli({"finalize", data, "--system-code", "2"}).status, 0);
    EXPECT_NE(cli({"inspect", data}).out.find("M001LDMA.BIN 43244 LDHND 3 1 ok\n"),
              std::string::npos);
    const CliRun dumped = cli({"dump", data, "--system-code", "2", "--json"});
    EXPECT_EQ(dumped.status, 0) << dumped.err;
    EXPECT_NE(dumped.out.find("\"record\": 2,"), std::string::npos) << dumped.out;
    EXPECT_NE(dumped.out.find("\"bytes\": \"01 FF FF FF FF FF FF FF FF FF FF FF\""),
              std::string::npos);
}

// A set in DIR/Data under system code 2 whose device 1-1-005 has values of its own.
std::string setWithOneDevice(const test::TempDir& dir) {
    auto store = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, dir.path()));
    DeviceRecord& device = store->devices(1).working.device(1, 5);
    device.registration = 1;
    device.zone = 6;
    device.position.assign(u"Boiler room");
    test::FakePrompter prompter;
    EXPECT_EQ(dataExport(*store, prompter).problems, 0);
    return store->dataFolder().string();
}

Sheet& sheetNamed(Workbook& workbook, const std::string& name) {
    for (Sheet& sheet : workbook.sheets) {
        if (sheet.name == name) {
            return sheet;
        }
    }
    ADD_FAILURE() << "no sheet " << name;
    return workbook.sheets.at(0);
}

TEST(Cli, ExportDevicesWritesTheLoadedDevicesIntoTheWorkbook) {
    test::TempDir dir;
    const std::string data = setWithOneDevice(dir);
    const fs::path file = dir / "devices.xls";
    const CliRun run =
        cli({"export-devices", data, "--system-code", "2", "--workbook", file.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find(device_workbook::kExported), std::string::npos) << run.err;
    Result<Workbook> workbook = readWorkbookFile(file);
    ASSERT_TRUE(workbook) << workbook.error().text;
    Sheet& sheet = sheetNamed(*workbook, "IO1_1");
    EXPECT_EQ(test::numberIn(test::deviceCell(sheet, 5, "Zone")), 7);
    const CellValue* position = test::deviceCell(sheet, 5, "Position");
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(*position, CellValue(std::string("Boiler room")));

    // Another host's set is not there: nothing of start-up goes over the installer's rows.
    const auto before = readFile(file, 1 << 24);
    EXPECT_EQ(cli({"export-devices", data, "--system-code", "2", "--host", "9", "--workbook",
                   file.string()})
                  .status,
              1);
    EXPECT_EQ(readFile(file, 1 << 24)->size(), before->size());
    EXPECT_FALSE(fs::exists(dir / "devices.bak.xls"));
}

TEST(Cli, ImportDevicesExportsTheSetWithTheWorkbooksValuesOrNothing) {
    test::TempDir dir;
    const std::string data = setWithOneDevice(dir);
    const fs::path file = dir / "devices.xls";
    const std::string out = (dir / "out").string();
    const auto import = [&] {
        return cli({"import-devices", data, "--system-code", "2", "--workbook", file.string(),
                    "--out", out});
    };
    const CliRun missing = import();
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(device_workbook::kCannotOpen), std::string::npos) << missing.err;
    EXPECT_FALSE(fs::exists(out));

    ASSERT_EQ(
        cli({"export-devices", data, "--system-code", "2", "--workbook", file.string()}).status, 0);
    Result<Workbook> workbook = readWorkbookFile(file);
    ASSERT_TRUE(workbook);
    CellValue* zone = test::deviceCell(sheetNamed(*workbook, "IO1_1"), 5, "Zone");
    ASSERT_NE(zone, nullptr);
    *zone = std::int32_t{12};
    const auto bytes = writeWorkbook(*workbook);
    ASSERT_TRUE(bytes);
    test::writeAll(file, *bytes);

    // Another host's set is not there: a set of start-up values is not written out.
    const CliRun unloaded = cli({"import-devices", data, "--system-code", "2", "--host", "9",
                                 "--workbook", file.string(), "--out", out});
    EXPECT_EQ(unloaded.status, 1);
    EXPECT_NE(unloaded.err.find(out + " is left as it was"), std::string::npos) << unloaded.err;
    EXPECT_FALSE(fs::exists(out));

    const CliRun imported = import();
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.err.find(device_workbook::kImported), std::string::npos) << imported.err;
    auto reloaded = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, dir.path()));
    reloaded->setDataFolder(out);
    test::FakePrompter prompter;
    EXPECT_EQ(loadData(*reloaded, prompter).problems, 0);
    EXPECT_EQ(int(reloaded->devices(1).working.device(1, 5).zone), 11);
}

TEST(Cli, RefusesWrongUsageAndFoldersItMustNotEmpty) {
    EXPECT_EQ(cli({"--help"}).status, 0);
    EXPECT_NE(cli({"--help"}).out.find("usage: quillbarrow-cli"), std::string::npos);
    test::TempDir dir;
    EXPECT_EQ(cli({"new"}).status, 2);
    EXPECT_EQ(cli({"new", "--force"}).status, 2);
    EXPECT_EQ(cli({"new", dir.path().string(), "--system-code", "3"}).status, 2);
    EXPECT_EQ(cli({"new", dir.path().string(), "--system-code", "1", "--host", "255"}).status, 2);
    EXPECT_EQ(cli({"frobnicate", dir.path().string()}).status, 2);
    for (const char* exchange : {"export-devices", "import-devices"}) {
        EXPECT_EQ(cli({exchange, dir.path().string(), "--system-code", "1"}).status, 2);
    }

    test::writeAll(dir / "thesis.doc", {1});
    const CliRun refused = cli({"new", dir.path().string(), "--system-code", "1"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("thesis.doc"), std::string::npos);
    EXPECT_TRUE(fs::exists(dir / "thesis.doc"));
    EXPECT_EQ(cli({"new", dir.path().string(), "--system-code", "1", "--force"}).status, 0);
    EXPECT_FALSE(fs::exists(dir / "thesis.doc"));
}

} // namespace
} // namespace qb
