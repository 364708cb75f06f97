#include "CliRun.h"
#include "base/Version.h"
#include "check/CheckFixtures.h"
#include "cli/Cli.h"
#include "files/DataExport.h"
#include "files/DiskFolder.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace qb {
namespace {

namespace fs = std::filesystem;

using test::cli;
using test::CliRun;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliInference, TellsEachSystemCodeFromAFreshSetOfIt) {
    test::TempDir dir;
    for (const char* code : {"0", "1", "2"}) {
        const std::string data = (dir / code).string();
        ASSERT_EQ(cli({"new", data, "--system-code", code}).status, 0);
        const CliRun dumped = cli({"dump", data, "--json"});
        EXPECT_EQ(dumped.status, 0) << dumped.err;
        EXPECT_TRUE(contains(dumped.out, "\"systemCode\": " + std::string(code) + ",")) << code;
    }
    // Without the option, new writes what the Mode Selection dialog offers unchanged.
    const std::string fresh = (dir / "fresh").string();
    ASSERT_EQ(cli({"new", fresh}).status, 0);
    EXPECT_TRUE(contains(cli({"dump", fresh, "--json"}).out, "\"systemCode\": 2,"));
}

TEST(CliInference, RefusesASetWhoseFilesDisagreeNamingThemUnlessTheCodeIsGiven) {
    test::TempDir dir;
    ASSERT_EQ(cli({"new", (dir / "zero").string(), "--system-code", "0"}).status, 0);
    const std::string data = (dir / "one").string();
    ASSERT_EQ(cli({"new", data, "--system-code", "1"}).status, 0);
    fs::copy_file(dir / "zero/M001ZONE.BIN", dir / "one/M001ZONE.BIN",
                  fs::copy_options::overwrite_existing);

    const CliRun refused = cli({"dump", data});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(contains(refused.err, "the files disagree: format bytes 2 0 (system code 0) in "
                                      "M001ZONE.BIN; format bytes 3 1 (system code 1 or 2) in "
                                      "M001NET_.BIN, "))
        << refused.err;

    const CliRun given = cli({"dump", data, "--system-code", "1", "--json"});
    EXPECT_TRUE(contains(given.out, "\"systemCode\": 1,")) << given.err;
}

TEST(CliInference, TakesTheHostOfTheOnlySetInTheFolderAndRefusesTwo) {
    test::TempDir dir;
    const std::string data = dir.path().string();
    ASSERT_EQ(cli({"new", data, "--host", "3"}).status, 0);
    const CliRun inspected = cli({"inspect", data});
    EXPECT_EQ(inspected.status, 0) << inspected.err;
    EXPECT_EQ(inspected.out.rfind("M003ZONE.BIN 548 ZONED 3 1 ok\n", 0), 0u);
    EXPECT_TRUE(contains(cli({"dump", data, "--json"}).out, "\"current\": \"003\""));

    fs::copy_file(dir / "M003NET_.BIN", dir / "M007NET_.BIN");
    const CliRun two = cli({"dump", data});
    EXPECT_EQ(two.status, 1);
    EXPECT_EQ(two.out, "");
    EXPECT_EQ(two.err, "quillbarrow-cli: " + data +
                           " holds the sets of hosts 003 and 007: choose one "
                           "with --host\n");
    EXPECT_EQ(cli({"check", data, "--host", "3"}).status, 0);
}

TEST(CliInference, DumpAndInspectOfAMissingOrEmptyFolderPrintNoConfiguration) {
    test::TempDir dir;
    fs::create_directory(dir / "empty");
    for (const std::string folder : {"empty", "missing"}) {
        for (const std::string command : {"dump", "inspect"}) {
            // Inferred, then given.
            for (const std::string option : {"--json", "--host"}) {
                std::vector<std::string> arguments{command, (dir / folder).string(), option};
                if (option == "--host") {
                    arguments.insert(arguments.end(), {"1", "--system-code", "2"});
                }
                const CliRun run = cli(arguments);
                EXPECT_EQ(run.status, 1) << command << ' ' << folder;
                EXPECT_EQ(run.out, "") << command << ' ' << folder;
                EXPECT_TRUE(contains(run.err, (dir / folder).string())) << run.err;
            }
        }
    }
}

TEST(CliInspect, JsonTellsWhatTheTextLinesTell) {
    test::TempDir dir;
    const std::string data = dir.path().string();
    ASSERT_EQ(cli({"new", data, "--system-code", "0"}).status, 0);
    fs::remove(dir / "M001NET_.BIN");
    const CliRun text = cli({"inspect", data});
    const CliRun json = cli({"inspect", data, "--json"});
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(json.status, 1);
    std::istringstream lines(text.out);
    std::string name, size, tag, format1, format2, checksum;
    ASSERT_TRUE(lines >> name >> size >> tag >> format1 >> format2 >> checksum);
    EXPECT_TRUE(contains(
        json.out,
        "  {\n    \"name\": \"" + name + "\",\n    \"state\": \"present\",\n    \"size\": " + size +
            ",\n    \"tag\": \"" + tag + "\",\n    \"formatBytes\": [\n      " + format1 +
            ",\n      " + format2 + "\n    ],\n    \"checksum\": \"" + checksum + "\"\n  },\n"))
        << json.out;
    ASSERT_TRUE(lines >> name >> checksum);
    EXPECT_EQ(name + ' ' + checksum, "M001NET_.BIN missing");
    EXPECT_TRUE(contains(json.out, "  {\n    \"name\": \"M001NET_.BIN\",\n    \"state\": "
                                   "\"missing\"\n  },\n"));
    EXPECT_EQ(json.out.substr(json.out.size() - 4), "}\n]\n");
}

TEST(CliDump, ShowsEachRulesInputsAndFireSignalCount) {
    test::TempDir dir;
    auto store = test::freshStore();
    const int record = test::addGeneralRule(*store, 2, {17});
    store->linkageInputs.working.record(record)[36] = 3; // "Num of fire signal"
    DiskFolder folder(dir.path());
    test::FakePrompter prompter;
    ASSERT_EQ(dataExport(*store, folder, prompter).problems, 0);

    const CliRun text = cli({"dump", dir.path().string()});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(contains(text.out, "    delay: 5\n    inputs:\n      - types OptDet\n"
                                   "    fireSignals: 3\n    outputs:\n      - "))
        << text.out;
    const CliRun json = cli({"dump", dir.path().string(), "--json"});
    EXPECT_TRUE(contains(json.out, "\"inputs\": [\n        \"types OptDet\"\n      ],\n"
                                   "      \"fireSignals\": 3,\n"))
        << json.out;
}

TEST(CliUsage, SaysWhatIsWrongWithTheCommandLineAndTellsItsVersion) {
    const CliRun unknown = cli({"frobnicate", "/tmp"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("quillbarrow-cli: unknown command frobnicate\n", 0), 0u);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(cli({"dump", "/tmp", "--host"}).err.rfind("quillbarrow-cli: --host needs a value\n"),
              0u);
    const CliRun version = cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quillbarrow-cli " + std::string(kProgramVersion) + "\n");
}

} // namespace
} // namespace qb
