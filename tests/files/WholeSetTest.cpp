#include "SetFixture.h"
#include "files/Crc.h"
#include "files/FileNames.h"
#include "linkage/LinkageRules.h"
#include "support/SystemCodeNames.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::filesIn;
using test::Installation;
using test::namesIn;

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
    const int rule = *appendRule(in, out, LinkageKind::General);
    in.record(rule)[regOffset(LinkageKind::General)] = 1;
    in.record(rule)[delayOffset(LinkageKind::General)] = 5;
    appendOutput(in, out, rule, LinkageKind::General, 0, 2, 17);
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

} // namespace
} // namespace qb
