#pragma once

#include "PageHistory.h"
#include "WindowState.h"

#include <string>
#include <string_view>
#include <utility>

namespace qb {

class ConfigStore;
class Prompter;
class DialogRunner;
struct BuiltFile;

// What every setup page works with.
struct PageContext {
    ConfigStore& store;
    Prompter& prompter;
    DialogRunner& dialogs;
};

// One table of the store laid out as grid rows. The main window owns the window state and calls
// the page for everything that depends on the page's columns.
class SetupPage {
public:
    explicit SetupPage(PageContext context)
        : m_context(context), m_history([this](int table) { return editedBytes(table); }) {}
    virtual ~SetupPage() = default;
    SetupPage(const SetupPage&) = delete; // the history reads this page's tables
    SetupPage& operator=(const SetupPage&) = delete;

    virtual PageId id() const = 0;
    virtual std::u16string title() const = 0;
    // How the installer calls the page in a question or the status bar: "Zone".
    virtual std::u16string_view name() const = 0;
    // True while the page's tables hold edits that no Save or Data export has kept.
    virtual bool unsaved() const = 0;

    // Lays out the grid, the selectors and the check boxes from the working copy, reporting
    // every bad stored value.
    virtual void draw(WindowState& window) = 0;
    // Draws the page again after Cancel, keeping what the page has chosen to show.
    virtual void redraw(WindowState& window) { draw(window); }

    // The editor a click on a data cell opens, if any.
    virtual CellEditor editorFor(const WindowState&, int /*row*/, int /*column*/) { return {}; }
    // Commits the text editor or the chosen list entry into the store and the cell.
    virtual void commitText(WindowState&, const CellEditor&, const std::u16string&) {}
    virtual void commitList(WindowState&, const CellEditor&, int /*index*/) {}

    virtual void doubleClickCell(WindowState&, int /*row*/, int /*column*/) {}
    virtual void doubleClickCaption(WindowState&, int /*column*/) {}
    virtual void chooseSelector(WindowState&, int /*index*/) {}

    // "Save": writes the page's file for the current host and takes the saved copy.
    virtual void save() = 0;
    // "Cancel": restores the saved copy; the main window redraws afterwards.
    virtual void cancel() = 0;

    // The undo history of the page's edits (see PageHistory.h), over the bytes of table `table`
    // that the page's actions can change; none on a page that changes nothing.
    PageHistory& history() { return m_history; }
    virtual ByteParts editedBytes(int /*table*/) { return {}; }
    // The table the next action edits: the board on view, 0 on pages with one table.
    virtual int editedTable() const { return 0; }
    // After an undo or redo of a step over `table`: shows the restored values.
    virtual void showStep(WindowState& window, int /*table*/) { redraw(window); }
    // The name an action gave its step, where the action knows it better than the window; taken
    // once.
    std::u16string takeStepName() { return std::exchange(m_stepName, {}); }

protected:
    ConfigStore& store() { return m_context.store; }
    const ConfigStore& store() const { return m_context.store; }
    Prompter& prompter() { return m_context.prompter; }
    DialogRunner& dialogs() { return m_context.dialogs; }

    // Writes a file Save has built into the current host's set ("M001ZONE.BIN" for "ZONE"),
    // reporting what stands in the way; true when it was written.
    bool writeHostFile(std::string_view name, const BuiltFile& file);
    // Names the step of the action running now ("Column Batch: Zone, rows 1-324").
    void nameStep(std::u16string name) { m_stepName = std::move(name); }

private:
    PageContext m_context;
    PageHistory m_history;
    std::u16string m_stepName;
};

} // namespace qb
