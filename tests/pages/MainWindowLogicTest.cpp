#include "excel/DeviceWorkbook.h"
#include "files/TextCodec.h"
#include "linkage/LinkageEditor.h"
#include "pages/MainMenu.h"
#include "pages/ModeSelection.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <regex>

namespace qb {
namespace {

using test::FakePrompter;
using test::WindowFixture;

TEST(MainWindowCommands, SwitchPagesAndReturnToTheZonePage) {
    WindowFixture w;
    EXPECT_EQ(w.window.state().page, PageId::Zone);
    EXPECT_TRUE(w.window.runCommand(commands::kIoBoardSetup));
    EXPECT_EQ(w.window.state().page, PageId::IoBoard);
    w.window.clickCell(1, 1);
    EXPECT_TRUE(w.window.runCommand(commands::kFireAlarmController));
    EXPECT_EQ(w.window.state().page, PageId::Zone);
    EXPECT_EQ(w.window.state().title, u"Fire Alarm System --> Zone Setup");
    EXPECT_FALSE(w.window.runCommand(32772)); // no such command in this build
    EXPECT_FALSE(w.window.exitRequested());
}

TEST(MainWindowCommands, ExitWithUnsavedPageEditsAsksFirstAndWritesNothing) {
    WindowFixture w;
    EXPECT_TRUE(w.window.unsavedPages().empty());
    w.type(1, 2, u"Unsaved");
    w.store->devices(7).working.device(2, 9).registration = 1; // a board not on view
    w.prompter.answers = {false};
    EXPECT_TRUE(w.window.runCommand(commands::kExit));
    EXPECT_FALSE(w.window.exitRequested());
    ASSERT_EQ(w.prompter.questions.size(), 1u);
    EXPECT_EQ(w.prompter.questions[0].text,
              "These pages have edits that were not saved: Zone, Detector/Module.\nQuit and "
              "lose them?");
    EXPECT_EQ(w.prompter.questions[0].caption, "Quillbarrow");

    w.window.pressSave(); // the zones; the board stays unsaved
    EXPECT_EQ(w.window.unsavedPages(), std::vector<std::u16string_view>{u"Detector/Module"});
    w.store->devices(7).revert();
    EXPECT_TRUE(w.window.runCommand(commands::kExit));
    EXPECT_TRUE(w.window.exitRequested());
    EXPECT_EQ(w.prompter.questions.size(), 1u); // nothing unsaved: no question
    EXPECT_TRUE(std::filesystem::exists(w.dataFile("M001ZONE.BIN")));
}

// Each command leaves one line: what it wrote or read, or what became of it.
TEST(MainWindowStatus, EachCommandLeavesALineAndTheBarShowsWhereTheInstallerStands) {
    WindowFixture w;
    const auto status = [&] { return w.window.statusBar(); };
    EXPECT_EQ(status().host, u"Host 1");
    EXPECT_EQ(status().systemCode, u"System code 2: 1-2 Loop Fire alarm Panel, SO.***3");
    EXPECT_EQ(status().dataFolder, u"Data folder: " + w.store->dataFolder().u16string());
    EXPECT_EQ(status().unsaved, u"All pages saved");

    w.type(1, 2, u"Plant");
    EXPECT_EQ(status().unsaved, u"Unsaved: Zone");
    w.window.pressSave();
    EXPECT_EQ(status().command, u"Saved M001ZONE.BIN");
    EXPECT_EQ(status().unsaved, u"All pages saved");

    w.dialogs.linkageEditor = [](LinkageEditor& editor) { return editor.pressOk(); };
    w.window.runCommand(commands::kGeneralLinkageSetup);
    EXPECT_EQ(status().command, u"Saved M001LDCO.BIN, M001LDRE.BIN");
    w.dialogs.linkageEditor = [](LinkageEditor&) { return false; };
    w.window.runCommand(commands::kZoneLinkageSetup);
    EXPECT_EQ(status().command, u"Closed without saving");

    w.window.runCommand(commands::kDataExport);
    const std::u16string exported = status().command;
    EXPECT_TRUE(std::regex_match(toUtf8(exported),
                                 std::regex("Exported [1-9][0-9]* files to \\xE2\\x80\\xA6/Data")))
        << toUtf8(exported);
    std::filesystem::remove(w.dataFile("M001ZONE.BIN"));
    w.window.runCommand(commands::kLoadData);
    // One file fewer than were written, and its absence is the one problem.
    const int files = std::stoi(toUtf8(exported).substr(9));
    EXPECT_EQ(toUtf8(status().command),
              "Loaded " + std::to_string(files - 1) + " files from \u2026/Data; 1 problem");

    w.prompter.answers = {false};
    w.window.runCommand(commands::kDataExport);
    EXPECT_EQ(status().command, u"Data export cancelled: nothing changed");
    w.window.runCommand(commands::kIoBoardSetup);
    EXPECT_EQ(status().command, u"IO-Board Setup");
}

TEST(MainWindowCommands, VersionOpensTheAboutBoxAndTheVersionNoteIsShown) {
    WindowFixture w;
    w.window.runCommand(commands::kVersion);
    EXPECT_EQ(w.dialogs.aboutShown, 1);
    w.window.runCommand(commands::kControllerVersionNote);
    EXPECT_EQ(w.prompter.messages,
              (std::vector<FakePrompter::Message>{
                  {"This version only applies to TKL4100 V1.0 & V1.1 \n", "Quillbarrow"}}));
}

TEST(MainWindowCommands, TheWorkbookCommandsCountTheBoardsAndCancelLeavesAllAsItWas) {
    WindowFixture w;
    const auto workbook = w.program.path() / device_workbook::kFileName;
    w.window.runCommand(commands::kExportDevicesToWorkbook);
    ASSERT_TRUE(std::filesystem::exists(workbook));
    EXPECT_EQ(w.dialogs.progressSteps, 40);
    std::vector<int> boards(40);
    std::iota(boards.begin(), boards.end(), 1);
    EXPECT_EQ(w.dialogs.progressReported, boards);

    w.store->devices(1).working.device(1, 1).zone = 9; // what an import would overwrite
    const auto before = test::readAll(workbook);
    w.prompter.answers = {false, false};
    w.prompter.messages.clear();
    w.window.runCommand(commands::kExportDevicesToWorkbook);
    w.window.runCommand(commands::kImportDevicesFromWorkbook);
    const FakePrompter::Message question{device_workbook::kQuestion, "warning!"};
    EXPECT_EQ(w.prompter.questions,
              (std::vector<FakePrompter::Message>{question, question, question}));
    EXPECT_TRUE(w.prompter.messages.empty());
    EXPECT_EQ(w.dialogs.progressReported, boards);
    EXPECT_EQ(test::readAll(workbook), before);
    EXPECT_FALSE(std::filesystem::exists(device_workbook::backupPath(workbook)));
    EXPECT_EQ(int(w.store->devices(1).working.device(1, 1).zone), 9);
    EXPECT_EQ(int(w.store->devices(1).saved.device(1, 1).zone), 0);
}

TEST(MainWindowCommands, CheckConfigurationListsFindingsAndShowsADevicesBoard) {
    WindowFixture w;
    w.store->ioBoards.working.registration(3) = 1;
    DeviceRecord& device = w.store->devices(3).working.device(1, 7);
    device.registration = 1;
    device.zone = 8; // zone 9, not registered

    EXPECT_TRUE(w.window.runCommand(commands::kCheckConfiguration));

    ASSERT_EQ(w.dialogs.findingsShown, 1);
    const std::vector<Finding>& findings = w.dialogs.findings;
    const auto named = [&](const std::string& start) {
        return std::find_if(findings.begin(), findings.end(),
                            [&](const Finding& f) { return findingLine(f).rfind(start, 0) == 0; });
    };
    EXPECT_NE(named("error: no file of the set (M001*.BIN) is in the Data folder"),
              findings.end()); // nothing exported yet
    const auto zone = named("warning: M001ID03.BIN, IO03-L1-007: in zone 9");
    ASSERT_NE(zone, findings.end());
    w.dialogs.showFinding(*zone);
    const WindowState& state = w.window.state();
    EXPECT_EQ(state.page, PageId::Devices);
    ASSERT_GE(state.firstSelector.current, 0);
    EXPECT_EQ(state.firstSelector.items.at(state.firstSelector.current), u"03");

    Finding rule; // the linkage rules live in their editors' dialogs, not on a page
    rule.page = FindingPage::Linkage;
    w.dialogs.showFinding(rule);
    EXPECT_EQ(state.page, PageId::Devices);
}

TEST(MainWindowCommands, PrintConfigurationReportShowsTheStoreAsItStandsInMemory) {
    WindowFixture w;
    w.store->ioBoards.working.registration(3) = 1;
    DeviceRecord& device = w.store->devices(3).working.device(1, 7);
    device.registration = 1;
    device.position.assign(u"Stair <B>"); // neither saved nor exported

    EXPECT_TRUE(w.window.runCommand(commands::kPrintConfigurationReport));

    ASSERT_EQ(w.dialogs.reportShown, 1);
    const auto& sections = w.dialogs.reportSections;
    EXPECT_TRUE(std::any_of(sections.begin(), sections.end(), [](const ReportSection& s) {
        return s.html.find("Stair &lt;B&gt;") != std::string::npos;
    }));
    const std::filesystem::path pdf = w.dialogs.reportPdf;
    EXPECT_EQ(pdf.parent_path(), w.store->dataFolder().parent_path());
    EXPECT_TRUE(std::regex_match(pdf.filename().string(),
                                 std::regex(R"(Configuration Report \d{4}-\d{2}-\d{2}\.pdf)")));
}

TEST(MainMenu, ListsTheEntriesInOrderWithTheirCommands) {
    const auto menu = mainMenu();
    ASSERT_GE(menu.size(), 16u);
    EXPECT_EQ(menu[0].label, u"FireAlarmController");
    EXPECT_TRUE(menu[0].checkable);
    EXPECT_EQ(menu[4].label, u"Detector/Module Setup");
    EXPECT_TRUE(menu[4].separatorAfter);
    EXPECT_EQ(menu[5].command, commands::kNetSetup);
    EXPECT_TRUE(menu[5].separatorAfter);
    EXPECT_EQ(menu[11].label, u"Specific Linkage Setup");
    EXPECT_TRUE(menu[11].separatorAfter);
    EXPECT_EQ(menu[14].label, u"Data export");
    EXPECT_EQ(menu[15].menu, u"About");
    EXPECT_EQ(menu[15].command, commands::kVersion);
    WindowFixture w;
    for (const MenuEntry& entry : menu) {
        if (entry.command != commands::kExit) {
            EXPECT_TRUE(w.window.runCommand(entry.command)) << entry.command;
        }
    }
}

// Loaded files can hold what no editor would let the installer type: longer texts, numbers
// outside a column's range, codes that a list shows under another entry's name. Opening an
// editor on such a cell and leaving it untouched must not change a byte.
TEST(CellEditors, OpeningAndLeavingEveryEditorStoresNothing) {
    for (SystemCode code : {SystemCode::TwoLoopSo12, SystemCode::TwoLoopSo3}) {
        WindowFixture w(code);
        ConfigStore& s = *w.store;
        s.zones.working.zone(1).name.assign(u"Twelve chars");
        DisplayRecord& display = s.displays.working.display(1);
        display.name.assign(std::u16string(40, u'D'));
        display.zone = 150;
        display.type = 9;
        DeviceRecord& device = s.devices(1).working.device(1, 1);
        device.position.assign(std::u16string(29, u'P'));
        device.zone = 200;
        device.outputMode = 5; // shown as "Pulse"
        device.workMode = 7;   // shown as "Fast"
        s.zones.takeSavePoint();
        s.displays.takeSavePoint();
        s.devices(1).takeSavePoint();

        for (PageId page : {PageId::Zone, PageId::Net, PageId::Display, PageId::IoBoard,
                            PageId::Devices, PageId::Mimic}) {
            w.window.showPage(page);
            for (int column = 1; column < w.grid().columns(); ++column) {
                w.window.clickCell(1, column);
                const CellEditor editor = w.window.state().editor;
                if (editor.kind == CellEditor::Kind::Text) {
                    w.window.commitTextEditor(editor.text);
                } else if (editor.kind == CellEditor::Kind::List) {
                    w.window.commitCellList(editor.selected, w.cell(1, column));
                }
            }
        }
        EXPECT_FALSE(s.zones.modified()) << test::nameOf(code);
        EXPECT_FALSE(s.displays.modified()) << test::nameOf(code);
        EXPECT_FALSE(s.devices(1).modified()) << test::nameOf(code);
    }
}

TEST(BatchingPrompter, GathersTheMessagesOfOneCommandIntoOneBox) {
    FakePrompter target;
    BatchingPrompter batching(target);
    {
        CommandScope command(batching);
        batching.inform("first", "Quillbarrow");
        {
            CommandScope nested(batching);
            batching.inform("second\n", "Quillbarrow");
        }
        EXPECT_TRUE(target.messages.empty());
        batching.inform("third", "Quillbarrow");
    }
    EXPECT_EQ(target.messages,
              (std::vector<FakePrompter::Message>{{"first\nsecond\nthird", "Quillbarrow"}}));

    target.messages.clear();
    {
        CommandScope command(batching);
        batching.inform("only one", "Error");
    }
    EXPECT_EQ(target.messages, (std::vector<FakePrompter::Message>{{"only one", "Error"}}));

    // A question shows what was gathered before it, then itself.
    target.messages.clear();
    {
        CommandScope command(batching);
        batching.inform("before", "Error");
        EXPECT_TRUE(batching.confirm("Sure?", "warning!"));
        EXPECT_EQ(target.messages.size(), 1u);
        batching.inform("after", "prompt");
        batching.inform("again", "Error");
    }
    EXPECT_EQ(target.messages.back(), (FakePrompter::Message{"after\nagain", "Quillbarrow"}));
}

TEST(ModeSelection, StartsOnTheTwoLoopPanelWithTheSecondOption) {
    ModeSelection mode;
    EXPECT_EQ(mode.caption, u"Mode Selection");
    EXPECT_EQ(mode.panelType(), ModeSelection::kTwoLoopPanel);
    EXPECT_EQ(mode.selectedOption(), 1);
    EXPECT_TRUE(mode.firstOptionVisible());
    EXPECT_EQ(mode.secondOptionLabel(), u"SO.***3");
    EXPECT_EQ(mode.accept(), SystemCode::TwoLoopSo3);
    EXPECT_EQ(ModeSelection::dismissed(), SystemCode::TwoLoopSo12);
}

TEST(ModeSelection, TheOneLoopPanelHidesTheFirstOptionAndGivesCodeOne) {
    ModeSelection mode;
    mode.chooseOption(0);
    mode.choosePanelType(ModeSelection::kOneLoopPanel);
    EXPECT_FALSE(mode.firstOptionVisible());
    EXPECT_EQ(mode.selectedOption(), 1);
    EXPECT_EQ(mode.secondOptionLabel(), u"SO.***1");
    EXPECT_EQ(mode.accept(), SystemCode::OneLoop);
    mode.chooseOption(0); // hidden: cannot be chosen
    EXPECT_EQ(mode.accept(), SystemCode::OneLoop);

    mode.choosePanelType(ModeSelection::kTwoLoopPanel);
    EXPECT_TRUE(mode.firstOptionVisible());
    EXPECT_EQ(mode.secondOptionLabel(), u"SO.***3");
    mode.chooseOption(0);
    EXPECT_EQ(mode.accept(), SystemCode::TwoLoopSo12);
}

} // namespace
} // namespace qb
