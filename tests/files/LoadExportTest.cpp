#include "files/Crc.h"
#include "files/DataExport.h"
#include "files/FileNames.h"
#include "files/LoadData.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/ReadDirFault.h"
#include "support/SystemCodeNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>

namespace qb {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::map<std::string, Bytes> filesIn(const fs::path& folder) {
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = test::readAll(entry.path());
    }
    return files;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : filesIn(folder)) {
        names.push_back(name);
    }
    return names;
}

struct Installation {
    explicit Installation(SystemCode code)
        : store(ConfigStore::create(RunState::begin(code, program.path()))) {}
    fs::path data(const std::string& name) const { return store->dataFolder() / name; }
    SetOutcome exportAll() { return dataExport(*store, prompter); }
    SetOutcome loadAll() { return loadData(*store, prompter); }

    test::TempDir program;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
};

// A configuration with something in every file the export writes.
void fill(ConfigStore& s) {
    s.zones.working.zone(2).registration = 1;
    s.zones.working.zone(2).name.assign(u"Küche");
    s.zones.working.zone(9).name.assign(u"火警");
    s.zones.working.resound = 1;
    s.network.working.hostRegistration(3) = 1;
    s.network.working.setShare(1);
    s.displays.working.display(4).registration = 1;
    s.displays.working.display(4).name.assign(u"Lobby panel");
    if (s.systemCode() != SystemCode::OneLoop) { // the one-loop file holds board 1 only
        s.ioBoards.working.registration(2) = 1;
    }
    s.mimic.working.registration(3) = 1;
    if (s.systemCode() != SystemCode::OneLoop) { // the one-loop controller has no keypads
        s.keypad.working.data[2] = 7;
    }
    s.devices(1).working.device(1, 5).registration = 1;
    s.devices(1).working.device(2, 300).position.assign(u"Boiler");
    LinkageInputTable& in = s.linkageInputs.working;
    LinkageResultTable& out = s.linkageResults.working;
    const int rule = *appendRule(in, out, 1);
    in.record(rule)[regOffset(1)] = 1;
    in.record(rule)[delayOffset(1)] = 5;
    appendOutput(in, out, rule, 1, 0, 2, 17);
    s.handControl.working.data[5] = 1;
    s.broadcast.working.data[0] = 1;
    s.broadcastPoints.working.data[8] = 2;
    s.hydrant.working.data[50 * 8] = 3;
    s.gasZones.working.data[16] = 1;
}

class WholeSet : public ::testing::TestWithParam<SystemCode> {};

TEST_P(WholeSet, ExportLoadExportGivesTheSameBytesAndRestoresEveryTable) {
    Installation first(GetParam());
    fill(*first.store);
    first.exportAll();
    const auto exported = filesIn(first.store->dataFolder());

    Installation second(GetParam());
    fs::copy(first.store->dataFolder(), second.store->dataFolder(),
             fs::copy_options::overwrite_existing | fs::copy_options::recursive);
    const SetOutcome loaded = second.loadAll();
    EXPECT_FALSE(loaded.cancelled);
    EXPECT_EQ(second.prompter.texts(), std::vector<std::string>()); // every file of its size
    const ConfigStore& a = *first.store;
    const ConfigStore& b = *second.store;
    EXPECT_EQ(b.zones.working, a.zones.working);
    EXPECT_EQ(b.network.working, a.network.working);
    EXPECT_EQ(b.displays.working, a.displays.working);
    EXPECT_EQ(b.ioBoards.working, a.ioBoards.working);
    if (GetParam() != SystemCode::OneLoop) { // the one-loop controller's keypads are never read
        EXPECT_EQ(b.keypad.working, a.keypad.working);
    }
    EXPECT_EQ(b.mimic.working, a.mimic.working);
    EXPECT_EQ(b.linkageInputs.working, a.linkageInputs.working);
    EXPECT_EQ(b.linkageResults.working, a.linkageResults.working);
    EXPECT_EQ(b.handControl.working, a.handControl.working);
    EXPECT_EQ(b.broadcast.working, a.broadcast.working);
    EXPECT_EQ(b.broadcastPoints.working, a.broadcastPoints.working);
    EXPECT_EQ(b.hydrant.working, a.hydrant.working);
    EXPECT_EQ(b.gasZones.working, a.gasZones.working);
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        EXPECT_EQ(b.devices(j).working, a.devices(j).working) << "device file " << j;
    }
    EXPECT_FALSE(b.zones.modified());

    second.exportAll();
    EXPECT_EQ(filesIn(second.store->dataFolder()), exported);

    // The same store, loaded from its own export, keeps its tables and exports the same bytes.
    first.store->ioBoards.working.registration(3) = 1;
    const IoBoardRecord boards = first.store->ioBoards.working;
    first.loadAll();
    if (GetParam() == SystemCode::OneLoop) { // boards the one-loop file does not hold stay
        EXPECT_EQ(first.store->ioBoards.working, boards);
    }
    first.exportAll();
    EXPECT_EQ(filesIn(first.store->dataFolder()), exported);
}

TEST_P(WholeSet, ExportWritesTheFilesOfTheSystemCodeWithTheirCrc) {
    Installation site(GetParam());
    const SetOutcome outcome = site.exportAll();
    const auto files = filesIn(site.store->dataFolder());
    std::vector<std::string> expected{"M001FSD_.BIN", "M001IOBR.BIN", "M001KPAD.BIN",
                                      "M001LDCO.BIN", "M001LDRE.BIN", "M001MDM_.BIN",
                                      "M001NET_.BIN", "M001ZONE.BIN"};
    const int devices = GetParam() == SystemCode::OneLoop ? 1 : 42;
    for (int j = 1; j <= devices; ++j) {
        expected.push_back(fileName(0, deviceFileName(j)));
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(site.store->dataFolder()), expected);
    for (const auto& [name, bytes] : files) {
        const FileHeader header = FileHeader::fromBytes(bytes);
        EXPECT_EQ(header.crc(), configCrc(std::span(bytes).subspan(32))) << name;
    }
    EXPECT_EQ(files.at("M001IOBR.BIN").size(), GetParam() == SystemCode::OneLoop ? 40u : 76u);
    EXPECT_EQ(files.at("M001LDCO.BIN").size(), 180048u);
    EXPECT_EQ(files.at("M001LDRE.BIN").size(), 40032u);
    EXPECT_EQ(files.at("M001KPAD.BIN").size(), 432u);
    EXPECT_EQ(files.at("M001MDM_.BIN").size(), 68u);
    EXPECT_EQ(outcome.problems, 0);
    EXPECT_TRUE(site.prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(AllSystemCodes, WholeSet, test::allSystemCodes(), test::SystemCodeName());

TEST(LoadData, AnEmptyFolderReportsEveryMissingFileInOrder) {
    Installation site(SystemCode::TwoLoopSo3);
    const SetOutcome outcome = site.loadAll();
    std::vector<std::string> expected{
        "File of Setting Zone does not exist", "File of Setting Display does not exist",
        "File of Setting IO-Board does not exist", "File of Setting Mimic does not exist"};
    for (int j = 1; j <= 40; ++j) {
        expected.push_back("File's No." + std::to_string(j) + " of Detector/Module does not exist");
    }
    expected.push_back("File of Linkage does not exist");
    expected.push_back("File of the linkage results does not exist");
    expected.push_back("File of Manual Control Panel does not exist");
    EXPECT_EQ(site.prompter.texts(), expected);
    EXPECT_EQ(outcome.problems, 47);
    ASSERT_EQ(site.prompter.questions.size(), 1u);
    EXPECT_EQ(
        site.prompter.questions[0].text,
        "Are you sure you want to load data\xEF\xBC\x9FPlease click 'OK'\xEF\xBC\x8Cotherwise "
        "click 'Cancel' ");
    EXPECT_EQ(site.prompter.questions[0].caption, "warning!");
}

TEST(LoadData, TheOneLoopControllerStopsSilentlyAtTheFirstMissingDeviceFile) {
    Installation site(SystemCode::OneLoop);
    site.store->devices(1).working.device(1, 1).position.assign(u"only board");
    site.exportAll();
    site.prompter.messages.clear();
    fs::remove(site.data("M001KPAD.BIN")); // never read under this code
    site.store->devices(1).working.device(1, 1).position.assign(u"");
    site.loadAll();
    EXPECT_TRUE(site.prompter.messages.empty());
    EXPECT_EQ(site.store->devices(1).working.device(1, 1).position.view(), u"only board");
}

TEST(LoadData, CancelChangesNothingAndTagsDecideWhatIsRead) {
    Installation site(SystemCode::TwoLoopSo3);
    site.store->zones.working.zone(3).name.assign(u"Exported");
    site.exportAll();
    site.store->zones.working.zone(3).name.assign(u"Edited");
    site.prompter.answers = {false};
    EXPECT_TRUE(site.loadAll().cancelled);
    EXPECT_EQ(site.store->zones.working.zone(3).name.view(), u"Edited");

    // A zone file carrying the IO-board tag is accepted; a display file with a foreign tag is not.
    Bytes zone = test::readAll(site.data("M001ZONE.BIN"));
    std::copy_n("IOBRG", 5, zone.begin() + 14);
    test::writeAll(site.data("M001ZONE.BIN"), zone);
    Bytes fsd = test::readAll(site.data("M001FSD_.BIN"));
    std::copy_n("ZONED", 5, fsd.begin() + 14);
    test::writeAll(site.data("M001FSD_.BIN"), fsd);
    site.store->displays.working.display(1).name.assign(u"kept");
    site.prompter.messages.clear();
    site.loadAll();
    EXPECT_EQ(site.store->zones.working.zone(3).name.view(), u"Exported");
    EXPECT_EQ(site.store->displays.working.display(1).name.view(), u"kept");
    EXPECT_EQ(site.prompter.texts(), std::vector<std::string>{"File of Setting Display is wrong"});
}

TEST(PanelFiles, AreExportedWhenTheyHoldWorkAndAnAbsentOneLoadsAsStartUpContents) {
    Installation site(SystemCode::TwoLoopSo3);
    site.store->handControl.working.data[0] = 1;
    site.store->gasZones.working.data[0] = 1;
    site.store->gasZones.working.header.setCrc(0x12345678); // as a loaded file left it
    site.exportAll();
    EXPECT_TRUE(site.prompter.messages.empty());
    EXPECT_FALSE(fs::exists(site.data("M001BROD.BIN")));
    const Bytes hand = test::readAll(site.data("M001LDMA.BIN"));
    ASSERT_EQ(hand.size(), HandControlTable::kFileSize);
    EXPECT_EQ(hand[32], 1);
    EXPECT_EQ(FileHeader::fromBytes(hand).crc(), configCrc(std::span(hand).subspan(32)));
    const Bytes gas = test::readAll(site.data("M001QMPS.BIN"));
    Bytes expectedHeader(site.store->headerTemplate().bytes().begin(),
                         site.store->headerTemplate().bytes().end());
    std::copy_n("QMPDT", 5, expectedHeader.begin() + 14);
    EXPECT_EQ(Bytes(gas.begin(), gas.begin() + 28),
              Bytes(expectedHeader.begin(), expectedHeader.begin() + 28));
    EXPECT_FALSE(site.store->gasZones.modified());

    // Another host's panels do not stay behind when this host's set has none; a foreign tag is
    // reported and leaves the table alone.
    fs::remove(site.data("M001LDMA.BIN"));
    Bytes foreign = gas;
    std::copy_n("ZONED", 5, foreign.begin() + 14);
    test::writeAll(site.data("M001QMPS.BIN"), foreign);
    site.store->broadcast.working.data[0] = 1;
    site.loadAll();
    EXPECT_EQ(site.store->handControl.working,
              HandControlTable::defaults(site.store->headerTemplate()));
    EXPECT_EQ(site.store->broadcast.working,
              BroadcastTable::defaults(site.store->headerTemplate()));
    EXPECT_EQ(site.store->gasZones.working.data[0], 1);
    EXPECT_EQ(site.prompter.texts(), std::vector<std::string>{"File of Gas Zone is wrong"});
}

TEST(LoadData, BadZoneRegistrationsAreReportedOnceAndKept) {
    Installation site(SystemCode::TwoLoopSo3);
    site.store->zones.working.zone(5).registration = 4;
    site.store->zones.working.zone(6).registration = 9;
    site.store->zones.working.zone(25).registration = 9; // beyond the zones checked
    site.exportAll();
    site.prompter.messages.clear();
    site.loadAll();
    EXPECT_EQ(site.prompter.texts(),
              std::vector<std::string>{
                  "The registration information of the Zone is wrong. Please go to the setting "
                  "interface to check and correct!\nThe reason for this problem may be that the "
                  "imported data is from a mismatched version"});
    EXPECT_EQ(site.store->zones.working.zone(5).registration, 4);
}

TEST(LoadData, ReadsTheStartingHostsFilesEvenWhenTheNetworkFileNamesAnother) {
    Installation site(SystemCode::TwoLoopSo3);
    site.store->network.working.setHostIndex(6);
    site.exportAll(); // host 7's files, naming host 7
    site.store->network.working.setHostIndex(6);
    // Host 7's network file now says host 9.
    Bytes net = test::readAll(site.data("M007NET_.BIN"));
    net[32] = 8;
    test::writeAll(site.data("M007NET_.BIN"), net);
    site.store->zones.working.zone(1).name.assign(u"changed");
    site.loadAll();
    EXPECT_EQ(site.store->hostIndex(), 8);
    EXPECT_TRUE(site.store->zones.working.zone(1).name.empty()); // read from M007ZONE.BIN
    test::writeAll(site.data("M007SYS_.BIN"), {1, 2, 3});
    site.store->network.working.setHostIndex(6);
    site.loadAll();
    EXPECT_FALSE(fs::exists(site.data("M007SYS_.BIN")));
}

TEST(LoadData, AFileOfAnotherLengthIsReadAsFarAsItGoesAndReportedRightAfterItsRead) {
    Installation site(SystemCode::TwoLoopSo3);
    ZoneTable& zones = site.store->zones.working;
    zones.zone(1).name.assign(u"Hall");
    zones.zone(5).registration = 4; // its report follows the zone file's own
    site.exportAll();
    const auto resize = [&](const char* name, std::size_t size) {
        Bytes bytes = test::readAll(site.data(name));
        bytes.resize(size, 0xEE);
        test::writeAll(site.data(name), bytes);
    };
    resize("M001ZONE.BIN", 300);
    resize("M001FSD_.BIN", 1400);
    resize("M001ID05.BIN", 27247);
    site.prompter.messages.clear();
    zones.zone(1).name.assign(u"");
    zones.zone(32).name.assign(u"Not in file");
    const SetOutcome outcome = site.loadAll();
    EXPECT_EQ(site.prompter.texts(),
              (std::vector<std::string>{
                  "M001ZONE.BIN is 300 bytes long, 548 expected: read as far as it goes",
                  "The registration information of the Zone is wrong. Please go to the setting "
                  "interface to check and correct!\nThe reason for this problem may be that the "
                  "imported data is from a mismatched version",
                  "M001FSD_.BIN is 1400 bytes long, 1352 expected: the bytes after 1352 were "
                  "ignored",
                  "M001ID05.BIN is 27247 bytes long, 27248 expected: read as far as it goes"}));
    for (const auto& message : site.prompter.messages) {
        EXPECT_EQ(message.caption, "Quillbarrow");
    }
    EXPECT_EQ(outcome.problems, 3);
    EXPECT_EQ(zones.zone(1).name.view(), u"Hall");
    EXPECT_EQ(zones.zone(32).name.view(), u"Not in file");
}

TEST(LoadData, AnUnsetRuleCountReadsAsZeroAndShortFilesKeepTheRest) {
    Installation site(SystemCode::TwoLoopSo3);
    site.exportAll();
    Bytes ldco = test::readAll(site.data("M001LDCO.BIN"));
    ldco[46] = 0xFF;
    ldco[47] = 0xFF;
    ldco.resize(5000);
    test::writeAll(site.data("M001LDCO.BIN"), ldco);
    site.store->linkageInputs.working.bytes[100000] = 0x12;
    site.loadAll();
    EXPECT_EQ(site.store->linkageInputs.working.registeredRuleCount(), 0);
    EXPECT_EQ(site.store->linkageInputs.working.bytes[100000], 0x12);
}

TEST(DataExport, WritesOnlyTheCurrentHostsFilesAndRemovesEverythingElse) {
    Installation site(SystemCode::TwoLoopSo3);
    site.exportAll();
    for (const char* stale :
         {"M001SYS_.BIN", "M001LDMA.BIN", "M001BROD.BIN", "M001QMPS.BIN", "notes.txt"}) {
        test::writeAll(site.data(stale), {1});
    }
    fs::create_directories(site.data("old/deeper"));
    site.store->network.working.setHostIndex(4);
    site.exportAll();
    for (const std::string& name : namesIn(site.store->dataFolder())) {
        EXPECT_EQ(name.substr(0, 4), "M005") << name;
    }
    EXPECT_EQ(namesIn(site.store->dataFolder()).size(), 50u);
}

TEST(DataExport, CancelLeavesTheFolderUntouched) {
    Installation site(SystemCode::TwoLoopSo3);
    test::writeAll(site.data("M001ZONE.BIN"), {9});
    site.prompter.answers = {false};
    EXPECT_TRUE(site.exportAll().cancelled);
    EXPECT_EQ(namesIn(site.store->dataFolder()), std::vector<std::string>{"M001ZONE.BIN"});
    ASSERT_EQ(site.prompter.questions.size(), 1u);
    EXPECT_EQ(site.prompter.questions[0].caption, " warning!");
    EXPECT_EQ(site.prompter.questions[0].text,
              "Sure you want to export the data? This will overwrite the existing configuration "
              "file data, please click 'OK', otherwise click  'Cancel' ");
}

TEST(DataExport, TooLongZoneNamesHoldBackOnlyTheZoneFile) {
    Installation site(SystemCode::TwoLoopSo3);
    site.store->zones.working.zone(3).name.assign(u"火警区域A");
    site.store->zones.working.zone(30).name.assign(u"一二三四五");
    site.exportAll();
    EXPECT_EQ(site.prompter.texts(), (std::vector<std::string>{"Input string too long,Zone 3\n",
                                                               "Input string too long,Zone 30\n"}));
    EXPECT_FALSE(fs::exists(site.data("M001ZONE.BIN")));
    EXPECT_TRUE(fs::exists(site.data("M001NET_.BIN")));
    EXPECT_TRUE(fs::exists(site.data("M001ID7E.BIN")));
    EXPECT_TRUE(site.store->zones.modified());
}

TEST(DataExport, ATooLongPositionStopsItsDeviceFileAndEveryLaterOne) {
    Installation site(SystemCode::TwoLoopSo3);
    site.store->devices(3).working.device(1, 8).position.assign(u"一二三四五六七八九十");
    site.store->devices(5).working.device(2, 9).position.assign(u"一二三四五六七八九十");
    site.exportAll();
    EXPECT_EQ(site.prompter.texts(),
              (std::vector<std::string>{"Input string too long,Loop 3,Line 8\n",
                                        "Input string too long,Loop 5,Line 9\n"}));
    EXPECT_TRUE(fs::exists(site.data("M001ID01.BIN")));
    EXPECT_TRUE(fs::exists(site.data("M001ID02.BIN")));
    for (int j = 3; j <= 42; ++j) {
        EXPECT_FALSE(fs::exists(site.data(fileName(0, deviceFileName(j))))) << j;
    }
    EXPECT_TRUE(fs::exists(site.data("M001LDCO.BIN")));
    EXPECT_FALSE(site.store->devices(2).modified());
    EXPECT_TRUE(site.store->devices(4).working.header.crc() == 0);
}

TEST(DataExport, EveryFileThatCannotBeWrittenIsReportedByNameAndKeepsItsSavePoint) {
    Installation site(SystemCode::OneLoop);
    fs::remove_all(site.store->dataFolder());
    site.store->zones.working.zone(1).name.assign(u"unsaved");
    const SetOutcome outcome = site.exportAll();
    const auto texts = site.prompter.texts();
    ASSERT_EQ(texts.size(), 9u);
    for (const char* name :
         {"ZONE", "NET_", "FSD_", "IOBR", "MDM_", "ID01", "LDCO", "LDRE", "KPAD"}) {
        const std::string file = std::string("M001") + name + ".BIN";
        EXPECT_EQ(
            std::count_if(texts.begin(), texts.end(),
                          [&](const std::string& t) { return t.find(file) != std::string::npos; }),
            1)
            << file;
    }
    EXPECT_EQ(outcome.problems, 9);
    EXPECT_TRUE(site.store->zones.modified());
}

TEST(DataExport, RecomputesTheRegisteredRuleCount) {
    Installation site(SystemCode::TwoLoopSo3);
    LinkageInputTable& in = site.store->linkageInputs.working;
    const int rule = *appendRule(in, site.store->linkageResults.working, 1);
    in.record(rule)[30] = 1;
    in.record(rule)[31] = 0;
    site.exportAll();
    EXPECT_EQ(test::readAll(site.data("M001LDCO.BIN"))[46], 0);
    in.record(rule)[31] = 5;
    site.exportAll();
    const Bytes ldco = test::readAll(site.data("M001LDCO.BIN"));
    EXPECT_EQ(ldco[46], 1);
    EXPECT_EQ(ldco[47], 0);
}

TEST(EmptyFolder, RemovesEverythingInsideButNeverFollowsALink) {
    test::TempDir outside;
    test::writeAll(outside / "precious", {1});
    test::TempDir data;
    fs::create_directories(data / "a/b");
    test::writeAll(data / "a/b/file", {1});
    fs::create_directory_symlink(outside.path(), data / "link");
    fs::create_symlink(outside / "precious", data / "filelink");
    EXPECT_TRUE(emptyFolder(data.path()).empty());
    EXPECT_TRUE(fs::is_empty(data.path()));
    EXPECT_TRUE(fs::exists(outside / "precious"));
    EXPECT_TRUE(emptyFolder(data / "missing").empty());
}

TEST(EmptyFolder, AFolderThatFailsWhileBeingReadIsReportedAndEmptiedAsFarAsRead) {
    test::TempDir data;
    for (const char* name : {"a", "b", "c", "d"}) {
        test::writeAll(data / name, {1});
    }
    // With "." and "..", three reads always reach past the start: the failure comes later.
    test::failFolderReadAfter(3);
    const std::vector<std::string> failures = emptyFolder(data.path());
    ASSERT_FALSE(test::folderReadFailurePending());
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0], "Cannot read " + data.path().string() + ": Input/output error");
    EXPECT_LT(std::distance(fs::directory_iterator(data.path()), fs::directory_iterator()), 4);
}

} // namespace
} // namespace qb
