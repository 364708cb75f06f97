#include "files/DataExport.h"
#include "files/LoadData.h"
#include "files/MemoryFolder.h"
#include "pages/PageFileWriter.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A store whose files go to an in-memory folder only.
std::unique_ptr<ConfigStore> storeFor(SystemCode code) {
    RunState run;
    run.systemCode = code;
    run.headerTemplate = FileHeader::makeTemplate(code);
    return ConfigStore::create(run);
}

TEST(FailingFolder, AnExportIntoAFolderThatRefusesWritesReportsEveryFileAndSavesNothing) {
    auto store = storeFor(SystemCode::OneLoop);
    store->zones.working.zone(1).name.assign(u"unsaved");
    MemoryFolder folder;
    folder.files()["M001ZONE.BIN"] = {1, 2, 3};
    folder.refuseWrites();
    test::FakePrompter prompter;
    const SetOutcome outcome = dataExport(*store, folder, prompter);
    std::vector<std::string> expected{"Cannot delete M001ZONE.BIN: Permission denied"};
    for (const char* name :
         {"ZONE", "NET_", "FSD_", "IOBR", "MDM_", "ID01", "LDCO", "LDRE", "KPAD"}) {
        expected.push_back(std::string("Cannot create M001") + name + ".BIN: Permission denied");
    }
    EXPECT_EQ(prompter.texts(), expected);
    EXPECT_EQ(outcome.problems, 10);
    EXPECT_TRUE(store->zones.modified());
    EXPECT_EQ(folder.files(), (MemoryFolder::Files{{"M001ZONE.BIN", {1, 2, 3}}}));
}

TEST(FailingFolder, AnExportWhoseFolderCannotBeClearedWritesNothing) {
    auto store = storeFor(SystemCode::TwoLoopSo3);
    MemoryFolder folder;
    folder.files()["M001ZONE.BIN"] = {1, 2, 3};
    folder.failClearing(Cause::NoAccess);
    test::FakePrompter prompter;
    const SetOutcome outcome = dataExport(*store, folder, prompter);
    EXPECT_EQ(
        prompter.texts(),
        (std::vector<std::string>{"Cannot replace Data.previous: Permission denied",
                                  "Data export stopped: nothing in the Data folder was changed."}));
    EXPECT_EQ(outcome.problems, 2);
    EXPECT_EQ(folder.files(), (MemoryFolder::Files{{"M001ZONE.BIN", {1, 2, 3}}}));
}

TEST(FailingFolder, AnExportWriteThatBreaksOffHalfwayIsReportedAndItsTableStaysUnsaved) {
    auto store = storeFor(SystemCode::TwoLoopSo3);
    store->displays.working.display(1).name.assign(u"unsaved");
    MemoryFolder folder;
    folder.failWriteHalfway("M001FSD_.BIN");
    test::FakePrompter prompter;
    const SetOutcome outcome = dataExport(*store, folder, prompter);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Cannot write M001FSD_.BIN: No space left on device"});
    EXPECT_EQ(outcome.problems, 1);
    EXPECT_TRUE(store->displays.modified());
    EXPECT_FALSE(store->zones.modified());
    EXPECT_FALSE(folder.files().contains("M001FSD_.BIN"));
    EXPECT_EQ(folder.files().size(), 49u);
}

TEST(FailingFolder, APageSaveThatBreaksOffHalfwayIsReportedAndThePreviousFileStaysWhole) {
    MemoryFolder folder;
    folder.files()["M001ZONE.BIN"] = {1, 2, 3};
    folder.failWriteHalfway("M001ZONE.BIN");
    BuiltFile file;
    file.bytes = Bytes(548, 7);
    test::FakePrompter prompter;
    EXPECT_FALSE(writePageFile(folder, "M001ZONE.BIN", file, prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Cannot write M001ZONE.BIN: No space left on device");
    EXPECT_EQ(prompter.messages[0].caption, kCaptionError);
    EXPECT_EQ(folder.files().at("M001ZONE.BIN"), (Bytes{1, 2, 3}));
}

TEST(FailingFolder, LoadDataReportsEveryUnreadableFileWithItsReasonAndKeepsItsTable) {
    auto written = storeFor(SystemCode::TwoLoopSo3);
    MemoryFolder folder;
    test::FakePrompter prompter;
    ASSERT_EQ(dataExport(*written, folder, prompter).problems, 0);
    folder.failReads("M001ZONE.BIN", Cause::NoAccess);
    folder.failReads("M001NET_.BIN", Cause::IoFailure);
    folder.failReads("M001MDM_.BIN", Cause::NotAFile);
    folder.failReads("M001ID7F.BIN", Cause::NoAccess);
    folder.failReads("M001LDMA.BIN", Cause::NoAccess);

    auto store = storeFor(SystemCode::TwoLoopSo3);
    store->zones.working.zone(1).name.assign(u"kept");
    store->handControl.working.data[0] = 1;
    const SetOutcome outcome = loadData(*store, folder, prompter);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"M001ZONE.BIN cannot be read: Permission denied",
                                        "M001NET_.BIN cannot be read: Input/output error",
                                        "M001MDM_.BIN cannot be read: Is a directory",
                                        "M001ID7F.BIN cannot be read: Permission denied",
                                        "M001LDMA.BIN cannot be read: Permission denied"}));
    EXPECT_EQ(outcome.problems, 5);
    EXPECT_EQ(store->zones.working.zone(1).name.view(), u"kept");
    EXPECT_EQ(store->handControl.working.data[0], 1);
}

TEST(FailingFolder, AFileThatFailsAfterItsHeaderLeavesItsTableAndSavePointAsTheyWere) {
    auto written = storeFor(SystemCode::TwoLoopSo3);
    MemoryFolder folder;
    test::FakePrompter prompter;
    ASSERT_EQ(dataExport(*written, folder, prompter).problems, 0);
    folder.failReadsPastHeader("M001LDCO.BIN");

    auto store = storeFor(SystemCode::TwoLoopSo3);
    store->linkageInputs.working.bytes[100] = 7; // an edit not yet saved
    const SetOutcome outcome = loadData(*store, folder, prompter);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"M001LDCO.BIN cannot be read: Input/output error"});
    EXPECT_EQ(outcome.problems, 1);
    EXPECT_EQ(store->linkageInputs.working.bytes[100], 7);
    store->linkageInputs.revert(); // the edit is still only an edit
    EXPECT_EQ(store->linkageInputs.working.bytes[100], 0xFF);
}

} // namespace
} // namespace qb
