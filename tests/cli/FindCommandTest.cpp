#include "CliRun.h"
#include "files/DataExport.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::cli;
using test::CliRun;

// A two-loop set of host 1 with a zone, a display and two devices named.
std::string writeSet(const test::TempDir& dir) {
    const std::filesystem::path data = dir / "set";
    auto store = ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, dir.path()));
    std::filesystem::create_directories(data);
    store->setDataFolder(data);
    store->zones.working.zone(3).name.assign(u"Küche");
    store->displays.working.display(2).name.assign(u"KÜCHE Tafel");
    store->ioBoards.working.registration(4) = 1;
    DeviceRecord& device = store->devices(4).working.device(2, 17);
    device.registration = 1;
    device.zone = 2;
    device.position.assign(u"Küche Herd");
    store->devices(1).working.device(1, 5).position.assign(u"Keller");
    test::FakePrompter prompter;
    EXPECT_EQ(dataExport(*store, prompter).problems, 0);
    return data.string();
}

TEST(CliFind, PrintsEveryHitAsLineOrJsonAndAnswersZero) {
    test::TempDir dir;
    const std::string data = writeSet(dir);
    const CliRun text = cli({"find", data, "küche"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "zone 3: Küche\n"
                        "display 2: KÜCHE Tafel\n"
                        "board 04 loop 2 address 17 OptDet zone 3: Küche Herd\n");
    EXPECT_EQ(text.err, "");

    const CliRun json = cli({"find", data, "HERD", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, R"([
  {
    "kind": "device",
    "board": "04",
    "loop": 2,
    "address": 17,
    "type": "OptDet",
    "zone": 3,
    "position": "Küche Herd"
  }
]
)");
}

TEST(CliFind, FindsNothingWithStatusOne) {
    test::TempDir dir;
    const std::string data = writeSet(dir);
    for (const char* text : {"kuche", ""}) {
        const CliRun run = cli({"find", data, text});
        EXPECT_EQ(run.status, 1) << text;
        EXPECT_EQ(run.out, "") << text;
    }
    EXPECT_EQ(cli({"find", data, "Dachboden", "--json"}).out, "[]\n");
}

TEST(CliFind, WrongUsageOrAFolderWithoutASetIsStatusTwo) {
    test::TempDir dir;
    const std::string data = writeSet(dir);
    EXPECT_EQ(cli({"find", data}).status, 2);
    EXPECT_EQ(cli({"find", data, "--json"}).status, 2);
    EXPECT_EQ(cli({"find", data, "Küche", "--frobnicate"}).status, 2);
    std::filesystem::create_directories(dir / "empty");
    const CliRun empty = cli({"find", (dir / "empty").string(), "Küche"});
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("empty"), std::string::npos) << empty.err;
}

} // namespace
} // namespace qb
