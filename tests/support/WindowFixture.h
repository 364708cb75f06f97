#pragma once

#include "FakePrompter.h"
#include "SystemCodeNames.h"
#include "TempDir.h"
#include "pages/MainWindowLogic.h"
#include "store/ConfigStore.h"

#include <gtest/gtest.h>

#include <memory>

namespace qb::test {

// A main window over a fresh store whose Data folder is a temporary folder.
class WindowFixture {
public:
    explicit WindowFixture(SystemCode code = SystemCode::TwoLoopSo3)
        : store(ConfigStore::create(RunState::begin(code, program.path()))),
          window(*store, prompter, dialogs) {
        window.start();
    }

    const PageGrid& grid() const { return window.state().grid; }
    const std::u16string& cell(int row, int column) const { return grid().text(row, column); }
    std::filesystem::path dataFile(const std::string& name) const {
        return store->dataFolder() / name;
    }
    // Opens the cell's editor and commits `text` into it.
    void type(int row, int column, const std::u16string& text) {
        window.clickCell(row, column);
        window.commitTextEditor(text);
    }
    // Opens the cell's list and commits the entry with that text.
    void pick(int row, int column, const std::u16string& text) {
        window.clickCell(row, column);
        window.commitCellList(-1, text);
    }

    TempDir program;
    FakePrompter prompter;
    FakeDialogs dialogs;
    std::unique_ptr<ConfigStore> store;
    MainWindowLogic window;
};

} // namespace qb::test
