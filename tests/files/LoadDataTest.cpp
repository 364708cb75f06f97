#include "SetFixture.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::Installation;

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

TEST(LoadData, AFileThatIsThereButCannotBeReadIsReportedAsUnreadableNotMissing) {
    Installation site(SystemCode::TwoLoopSo3);
    site.exportAll();
    // Not even root reads a folder as a file.
    fs::remove(site.data("M001ZONE.BIN"));
    fs::create_directory(site.data("M001ZONE.BIN"));
    site.store->zones.working.zone(1).name.assign(u"kept");
    site.prompter.messages.clear();
    const SetOutcome outcome = site.loadAll();
    EXPECT_EQ(site.prompter.texts(),
              std::vector<std::string>{"M001ZONE.BIN cannot be read: Is a directory"});
    EXPECT_EQ(outcome.problems, 1);
    EXPECT_EQ(site.store->zones.working.zone(1).name.view(), u"kept");
}

} // namespace
} // namespace qb
