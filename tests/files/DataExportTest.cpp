#include "SetFixture.h"
#include "files/FileNames.h"
#include "linkage/LinkageRules.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::Installation;
using test::namesIn;

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
              "file data, please click 'OK', otherwise click  'Cancel' \nWhat the Data folder "
              "holds now goes to " +
                  (site.program / "Data.previous").string());
}

TEST(DataExport, WhatTheFolderHeldGoesToDataPreviousReplacingTheOneBefore) {
    Installation site(SystemCode::TwoLoopSo3);
    site.exportAll();
    const Bytes firstZones = test::readAll(site.data("M001ZONE.BIN"));
    test::writeAll(site.data("notes.txt"), {1});
    site.store->zones.working.zone(2).name.assign(u"Hall");
    site.exportAll();
    const fs::path previous = site.program / "Data.previous";
    EXPECT_EQ(namesIn(site.store->dataFolder()).size(), 50u);
    EXPECT_EQ(namesIn(previous).size(), 51u);
    EXPECT_EQ(test::readAll(previous / "M001ZONE.BIN"), firstZones);
    EXPECT_TRUE(fs::exists(previous / "notes.txt"));

    site.exportAll();
    EXPECT_FALSE(fs::exists(previous / "notes.txt"));
    EXPECT_EQ(namesIn(previous), namesIn(site.store->dataFolder()));
}

TEST(DataExport, ARefusedTextIsReportedWithEveryOtherAndNothingOnDiskChanges) {
    Installation site(SystemCode::TwoLoopSo3);
    test::writeAll(site.data("M001ZONE.BIN"), {9});
    site.store->zones.working.zone(3).name.assign(u"火警区域A");
    site.store->devices(3).working.device(1, 8).position.assign(u"一二三四五六七八九十");
    site.store->devices(5).working.device(2, 9).position.assign(u"一二三四五六七八九十");
    const FileHeader network = site.store->network.working.header;
    const SetOutcome outcome = site.exportAll();
    EXPECT_EQ(site.prompter.texts(),
              (std::vector<std::string>{
                  "Input string too long,Zone 3\nThe limit is 12 bytes; this text has 13 bytes.",
                  "Input string too long,Loop 3,Line 8\nThe limit is 29 bytes; this text has 30 "
                  "bytes.",
                  "Input string too long,Loop 5,Line 9\nThe limit is 29 bytes; this text has 30 "
                  "bytes.",
                  "Data export stopped: nothing in the Data folder was changed."}));
    EXPECT_EQ(outcome.problems, 4);
    EXPECT_EQ(namesIn(site.store->dataFolder()), std::vector<std::string>{"M001ZONE.BIN"});
    EXPECT_FALSE(fs::exists(site.program / "Data.previous"));
    EXPECT_EQ(site.store->network.working.header, network);
    EXPECT_TRUE(site.store->devices(1).working.header.crc() == 0);
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
    const int rule = *appendRule(in, site.store->linkageResults.working, LinkageKind::General);
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

} // namespace
} // namespace qb
