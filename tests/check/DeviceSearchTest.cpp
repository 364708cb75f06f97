#include "check/DeviceSearch.h"
#include "store/ConfigStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

class DeviceSearch : public ::testing::Test {
protected:
    DeviceSearch()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, dir.path()))) {}

    void place(int board, int loop, int address, std::u16string_view position) {
        store->devices(board).working.device(loop, address).position.assign(position);
    }
    // Each hit as "device 3-1-7" / "zone 4" / "display 2".
    std::vector<std::string> found(std::u16string_view text) const {
        std::vector<std::string> places;
        for (const SearchHit& hit : findInStore(*store, text)) {
            switch (hit.kind) {
            case SearchHitKind::Zone:
                places.push_back("zone " + std::to_string(hit.number));
                break;
            case SearchHitKind::Display:
                places.push_back("display " + std::to_string(hit.number));
                break;
            case SearchHitKind::Device:
                places.push_back("device " + std::to_string(hit.board) + '-' +
                                 std::to_string(hit.loop) + '-' + std::to_string(hit.address));
                break;
            }
        }
        return places;
    }

    test::TempDir dir;
    std::unique_ptr<ConfigStore> store;
};

using Places = std::vector<std::string>;

TEST_F(DeviceSearch, FoldsCaseInEveryScriptButKeepsAccents) {
    place(3, 1, 7, u"Küche Nord");
    place(5, 2, 300, u"КУХНЯ склад");
    place(40, 1, 1, u"Αίθουσα ΣΥΝΕΔΡΙΑΣΕΩΝ");
    place(41, 2, 2, u"Alte Ku\u0308che");
    EXPECT_EQ(found(u"KÜCHE"), (Places{"device 3-1-7", "device 41-2-2"}));
    EXPECT_EQ(found(u"ku\u0308che"), (Places{"device 3-1-7", "device 41-2-2"})); // u + U+0308
    EXPECT_EQ(found(u"kuche"), Places{});
    EXPECT_EQ(found(u"Кухня СКЛАД"), Places{"device 5-2-300"});
    EXPECT_EQ(found(u"συνεδριασεων"), Places{"device 40-1-1"});
    EXPECT_EQ(found(u"αιθουσα"), Places{}); // "ί" carries its accent
    EXPECT_EQ(found(u""), Places{});
    EXPECT_EQ(found(u"Keller"), Places{});
}

TEST_F(DeviceSearch, ListsZonesThenDisplaysThenDevicesInBoardLoopAddressOrder) {
    place(7, 2, 1, u"Lager West");
    place(7, 1, 200, u"lager ost");
    place(2, 2, 9, u"LAGER");
    store->zones.working.zone(4).name.assign(u"Lagerhalle");
    store->displays.working.display(2).name.assign(u"Tafel Lager");
    store->devices(7).working.device(1, 200).zone = 8;
    store->devices(7).working.device(1, 200).equipType = 3;

    EXPECT_EQ(found(u"lager"),
              (Places{"zone 4", "display 2", "device 2-2-9", "device 7-1-200", "device 7-2-1"}));
    const auto hits = findInStore(*store, u"OST");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].zone, 9);
    EXPECT_EQ(hits[0].type, u"HeatDet");
    EXPECT_EQ(hits[0].text, u"lager ost");
}

TEST_F(DeviceSearch, LooksOnlyAtWhatTheSetOfItsSystemCodeHolds) {
    auto oneLoop = ConfigStore::create(RunState::begin(SystemCode::OneLoop, dir.path()));
    oneLoop->devices(1).working.device(1, 1).position.assign(u"Flur");
    oneLoop->devices(2).working.device(1, 1).position.assign(u"Flur");
    oneLoop->zones.working.zone(20).name.assign(u"Flur"); // past the 16 zones of the page
    const auto hits = findInStore(*oneLoop, u"flur");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].board, 1);
    // The virtual boards' start-up positions are part of a two-loop set.
    EXPECT_EQ(findInStore(*store, u"v2 l2 addr324").size(), 1u);
}

} // namespace
} // namespace qb
