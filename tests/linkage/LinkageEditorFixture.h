#pragma once

#include "linkage/InputTypeControls.h"
#include "linkage/LinkageEditor.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <vector>

namespace qb::test {

using Bytes = std::vector<std::uint8_t>;

// A store for the linkage editors to work on, with modules on board 1 for their output lists.
class LinkageEditorTest : public ::testing::Test {
protected:
    explicit LinkageEditorTest(SystemCode code = SystemCode::TwoLoopSo3)
        : store(ConfigStore::create(RunState::begin(code, folder.path()))) {
        // Three output modules on loop 1 of board 1, and one device that is no output.
        for (int address : {5, 7, 9}) {
            DeviceRecord& d = store->devices(1).working.device(1, address);
            d.registration = 1;
            d.productType = 52;
            d.equipType = 48;
        }
        DeviceRecord& detector = store->devices(1).working.device(1, 6);
        detector.registration = 1; // an OptDet: not offered as an output
        DeviceRecord& mcb = store->devices(1).working.device(1, 8);
        mcb.registration = 1;
        mcb.productType = 52;
        mcb.equipType = 76;
        store->devices(1).takeSavePoint();
    }

    std::span<const std::uint8_t> record(int index) const {
        return store->linkageInputs.working.record(index);
    }
    int head(LinkageKind kind) const { return store->linkageInputs.working.head(kind); }

    // Delay "005s", "Reg" and the first module of board "01" as an output.
    void completeCommonParts(LinkageEditor& editor, int module = 0) {
        editor.delay.select(1);
        editor.reg = true;
        editor.chooseBoard(0);
        editor.modules.select(module);
        editor.pressAddOutput();
    }
    void completeInputs(InputTypeControls& inputs) {
        inputs.boxes[0] = true;       // "OptDet"
        inputs.fireSignals.select(2); // "03"
    }

    test::TempDir folder;
    test::FakePrompter prompter;
    std::unique_ptr<ConfigStore> store;
};

} // namespace qb::test
