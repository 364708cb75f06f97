#pragma once

#include "devices/MimicLedEditor.h"
#include "store/ConfigStore.h"
#include "store/LittleEndian.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace qb::test {

using Bytes = std::vector<std::uint8_t>;
using Editor = MimicLedEditor;

class MimicLedTest : public ::testing::Test {
protected:
    MimicLedTest()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()))) {
        // A fan module on board 01, loop 1, address 5, which a "Device to LED" row can name.
        DeviceRecord& fan = store->devices(1).working.device(1, 5);
        fan.registration = 1;
        fan.productType = 52;
        fan.equipType = 48;
        store->zones.working.zone(2).registration = 1;
        store->mimic.working.registration(3) = 1;
    }

    LinkageInputTable& input() { return store->linkageInputs.working; }
    Bytes recordBytes(int index) {
        const auto r = input().record(index);
        return {r.begin(), r.end()};
    }
    // Opens the cell's list and commits the entry with this text.
    static void pick(Editor& editor, int row, int column, const std::u16string& text) {
        editor.clickCell(row, column);
        const auto& items = editor.cellEditor().items;
        const auto found = std::ranges::find(items, text);
        ASSERT_NE(found, items.end()) << "no such entry in column " << column;
        editor.commitList(static_cast<int>(found - items.begin()));
        ASSERT_FALSE(editor.cellEditor().open());
    }
    // A complete, registered "Zone to LED" row.
    static void zoneRow(Editor& editor, int row, const std::u16string& zone = u"02") {
        pick(editor, row, Editor::Cause, u"Zone to LED");
        pick(editor, row, Editor::Indication, u"Fire");
        pick(editor, row, Editor::Zone, zone);
        editor.clickCell(row, Editor::Reg);
    }
    static void deviceRow(Editor& editor, int row) {
        pick(editor, row, Editor::Cause, u"Device to LED");
        pick(editor, row, Editor::Indication, u"Start");
        pick(editor, row, Editor::Host, u"001");
        pick(editor, row, Editor::Loop, u"01");
        pick(editor, row, Editor::Addr, u"005SmkFan");
        editor.clickCell(row, Editor::Reg);
    }
    // A kind-5 record placed by hand, as a file could bring it.
    void placeRecord(int index, std::uint8_t module, std::uint8_t led, std::uint16_t next) {
        const auto r = input().record(index);
        std::ranges::fill(r, 0xFF);
        r[0] = 5;
        r[1] = 1;
        r[4] = module;
        r[5] = led;
        r[6] = 1;
        r[8] = 1;
        r[12] = 2;
        le::writeU16(r, 14, 2);
        input().setNextLink(index, next);
    }

    test::TempDir folder;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
};

} // namespace qb::test
