#pragma once

#include "devices/KeypadEditor.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qb::test {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

// A keypad record: free, and begun by "Add" (no button yet).
inline const Bytes kFree(8, 0xFF);
inline const Bytes kBegun{0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

class KeypadTest : public ::testing::Test {
protected:
    KeypadTest()
        : store(ConfigStore::create(RunState::begin(SystemCode::TwoLoopSo3, folder.path()))),
          editor(*store, prompter) {
        // Zones 1 (in use from the start), 7 and 12 can be targets; zone 8 is not in use.
        store->zones.working.zone(7).registration = 1;
        store->zones.working.zone(12).registration = 1;
        // Board 5 is fitted and carries fan modules at 12 and 30 on loop 1. Around them sit what
        // must not be offered: a detector, an MCB, an unregistered module and a module on loop 2.
        store->ioBoards.working.registration(5) = 1;
        for (int address : {12, 30}) {
            module(5, 1, address, 52, 48);
        }
        module(5, 1, 13, 2, 2);   // a detector
        module(5, 1, 14, 52, 76); // MCB
        module(5, 2, 12, 52, 48); // loop 2
        DeviceRecord& idle = module(5, 1, 15, 52, 48);
        idle.registration = 0;
        store->zones.takeSavePoint();
        store->ioBoards.takeSavePoint();
        store->devices(5).takeSavePoint();
    }

    DeviceRecord& module(int board, int loop, int address, std::uint8_t product,
                         std::uint8_t equip) {
        DeviceRecord& d = store->devices(board).working.device(loop, address);
        d.registration = 1;
        d.productType = product;
        d.equipType = equip;
        return d;
    }

    Bytes record(int index) const {
        const auto& data = store->keypad.working.data;
        const auto start = data.begin() + index * 8;
        return Bytes(start, start + 8);
    }
    void setRecord(int index, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), store->keypad.working.data.begin() + index * 8);
    }
    int count() const { return store->keypad.working.pointCount(); }

    // Fills the shown page with a zone target on a button (1-based).
    void zonePoint(int button, const std::u16string& zone, bool registered = true) {
        editor.buttons.select(button - 1);
        editor.reg = registered;
        editor.modules.selectText(zone);
        ASSERT_TRUE(editor.modules.chosen());
        editor.pressAddOutput();
    }
    // Fills the shown page with the module of board 5 at that entry.
    void modulePoint(int button, const std::u16string& entry) {
        editor.buttons.select(button - 1);
        editor.reg = true;
        editor.setFieldDevice(true);
        editor.boards.selectText(u"05");
        editor.chooseBoard(editor.boards.selected);
        editor.modules.selectText(entry);
        ASSERT_TRUE(editor.modules.chosen());
        editor.pressAddOutput();
    }
    // `n` stored zone points on buttons 1..n, the last one shown.
    void points(int n) {
        for (int i = 1; i <= n; ++i) {
            if (i > 1) {
                editor.pressAdd();
            }
            zonePoint(i % KeypadEditor::kButtons + 1, u"Zone 07");
        }
    }

    TempDir folder;
    FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
    KeypadEditor editor;
};

} // namespace qb::test
