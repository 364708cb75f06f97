#pragma once

#include "CellClipboard.h"
#include "DevicePage.h"
#include "DisplayPage.h"
#include "FindDeviceDialog.h"
#include "GasZonePage.h"
#include "IoBoardPage.h"
#include "MimicPage.h"
#include "NetPage.h"
#include "SwitchingPrompter.h"
#include "WindowState.h"
#include "ZonePage.h"
#include "base/Prompter.h"
#include "store/Versioned.h"

#include <functional>
#include <map>
#include <string_view>

namespace qb {

class LinkageEditor;
struct Finding;

// Everything the main window does, without the window: the page on view, its grid and editors,
// the selectors and check boxes, and the menu commands. The window mirrors `state()` and
// forwards the installer's actions.
class MainWindowLogic {
public:
    MainWindowLogic(ConfigStore& store, Prompter& prompter, DialogRunner& dialogs);

    const WindowState& state() const { return m_window; }
    ConfigStore& store() { return m_store; }

    // Shows the first page after start-up.
    void start() { showPage(PageId::Zone); }

    // A menu command; false for a number the window does not know.
    bool runCommand(int command);
    // Set once "Exit" was chosen and agreed to: the window closes.
    bool exitRequested() const { return m_exitRequested; }
    // The pages whose edits no Save or Data export has kept, in menu order, by name.
    std::vector<std::u16string_view> unsavedPages() const;
    // Before the program ends: with unsaved page edits, asks whether to end all the same (OK)
    // or go back to them (Cancel). True when it may end.
    bool mayQuit();
    // The status bar as it stands now.
    StatusBarState statusBar() const;

    void showPage(PageId page);
    // The page (and board) where a finding of the configuration check can be seen; nothing
    // for a finding that no page shows.
    void showFinding(const Finding& finding);
    // The page and row of the hit chosen in "Find Device"; false, with a note in the dialog, when
    // no page shows that place.
    bool showChosenHit();

    void clickCell(int row, int column);
    void doubleClickCell(int row, int column);
    // The cell text editor loses the focus holding `text`.
    void commitTextEditor(const std::u16string& text);
    // The cell list loses the focus with entry `index` selected (-1 for none) and `editText`
    // in its edit part.
    void commitCellList(int index, const std::u16string& editText);
    // Pastes text copied from a spreadsheet (CellClipboard.h) into the grid from cell (row,
    // column) on, each cell under the rules of typing it: a text through the page's commit, a
    // list entry by its name, a registration cell as "√" or "×", and a cell without an editor
    // only with the text it shows. All of it is one step of the page's history; a block that
    // runs past the grid or holds a refused cell changes nothing and lists the refusals in one
    // message. True when it was pasted.
    bool paste(int row, int column, std::u16string_view text);
    // The text Copy puts on the clipboard for cells `rect` of the grid.
    std::u16string copy(const CellRect& rect) const { return copyCells(m_window.grid, rect); }
    // The editor is dropped without committing (the window is being closed).
    void closeEditor() { m_window.editor = {}; }

    void chooseFirstSelector(int index);
    void clickResound();
    void clickShare();
    void clickMdmMode();

    void pressSave();
    void pressCancel();

    // The Edit menu over the page on view (its history: PageHistory.h). Undo and redo close an
    // open cell editor unseen, restore the working copy and redraw the page.
    void undo();
    void redo();
    bool canUndo();
    bool canRedo();
    // "Undo Edit Zone-3 Position", or "Undo" alone when there is nothing to undo.
    std::u16string undoText();
    std::u16string redoText();

private:
    SetupPage* currentPage();
    // Undo (true) or redo on the page on view, then the page shows the step's values.
    void stepHistory(bool undo);
    // Load Data replaces every table: no page's history leads back from what it loaded.
    void clearHistories();
    // Every page, in menu order.
    std::vector<const SetupPage*> pages() const;
    // Runs a linkage editor; on OK writes both linkage files of the current host.
    void runLinkageEditor(LinkageEditor& editor);
    void writeLinkageFiles();
    void writeKeypadFile();
    // Runs a panel editor (hand control, broadcast, hydrant) over its table: OK writes the
    // table's file with its header as held and takes the saved copy; anything else restores it.
    template <class Editor, class Table>
    void runPanelEditor(bool (DialogRunner::*run)(Editor&), std::string_view name,
                        Versioned<Table>& table);
    void dispatch(int command);
    // Exports the device records to the workbook beside the Data folder, or imports them from
    // it, once the installer has agreed.
    void exchangeDevices(bool import);
    // The configuration check over the store and the files of the Data folder.
    void checkConfiguration();
    void findDevice();
    // A command has ended: what it noted becomes the status line, or `otherwise` when it noted
    // nothing.
    void endCommand(std::u16string_view otherwise);
    // One pasted cell, committed as typing it would be; why it was refused, or empty.
    std::string pasteCell(SetupPage& page, int row, int column, const std::u16string& text,
                          SwitchingPrompter::Recording& recording);

    ConfigStore& m_store;
    // Every message of the window and its pages passes here, so the status line hears of
    // every file written.
    NoteCollector m_notes;
    // The pages' messages pass here, so a paste can gather its refusals.
    SwitchingPrompter m_pagePrompter{m_notes};
    Prompter& m_prompter;
    DialogRunner& m_dialogs;
    WindowState m_window;
    bool m_exitRequested = false;
    std::u16string m_lastCommand;

    ZonePage m_zonePage;
    NetPage m_netPage;
    DisplayPage m_displayPage;
    IoBoardPage m_ioBoardPage;
    DevicePage m_devicePage;
    MimicPage m_mimicPage;
    GasZonePage m_gasZonePage;
    FindDeviceDialog m_findDevice{m_store};

    std::map<int, std::function<void()>> m_commands;
};

} // namespace qb
