#include "MainWindowLogic.h"

#include "DialogRunner.h"
#include "MainMenu.h"
#include "PageFileWriter.h"
#include "PageStep.h"
#include "ShowReport.h"
#include "StepNames.h"
#include "base/CellText.h"
#include "base/Prompter.h"
#include "devices/BatchPlacementEditor.h"
#include "devices/BroadcastControllerEditor.h"
#include "devices/BroadcastPointEditor.h"
#include "devices/GasZoneEditor.h"
#include "devices/HandControlEditor.h"
#include "devices/HydrantEditor.h"
#include "devices/KeypadEditor.h"
#include "devices/MimicLedEditor.h"
#include "excel/DeviceWorkbook.h"
#include "files/DataExport.h"
#include "files/DiskFolder.h"
#include "files/FileNames.h"
#include "files/ImageFile.h"
#include "files/LoadData.h"
#include "linkage/GeneralLinkageEditor.h"
#include "linkage/SpecificLinkageEditor.h"
#include "linkage/ZoneLinkageEditor.h"
#include "store/ConfigStore.h"

#include <algorithm>

namespace qb {

namespace {

constexpr const char* kControllerVersionNoteText =
    "This version only applies to TKL4100 V1.0 & V1.1 \n";
// The system's own waiting text, here over a window that counts the boards.
constexpr const char* kCopyingText = "Please wait while copying data...";
// The status line of an editor closed without OK.
constexpr const char* kNothingSaved = "Closed without saving";

} // namespace

MainWindowLogic::MainWindowLogic(ConfigStore& store, Prompter& prompter, DialogRunner& dialogs)
    : m_store(store), m_notes(prompter), m_prompter(m_notes), m_dialogs(dialogs),
      m_zonePage({store, m_pagePrompter, dialogs}), m_netPage({store, m_pagePrompter, dialogs}),
      m_displayPage({store, m_pagePrompter, dialogs}),
      m_ioBoardPage({store, m_pagePrompter, dialogs}),
      m_devicePage({store, m_pagePrompter, dialogs}), m_mimicPage({store, m_pagePrompter, dialogs}),
      m_gasZonePage({store, m_pagePrompter, dialogs}) {
    using namespace commands;
    const auto page = [this](PageId id) { return [this, id] { showPage(id); }; };
    m_commands = {
        {kFireAlarmController, page(PageId::Zone)},
        {kExit, [this] { m_exitRequested = mayQuit(); }},
        {kZoneSetup, page(PageId::Zone)},
        {kIoBoardSetup, page(PageId::IoBoard)},
        {kDeviceSetup, page(PageId::Devices)},
        {kNetSetup, page(PageId::Net)},
        {kDisplaySetup, page(PageId::Display)},
        {kMimicSetup, page(PageId::Mimic)},
        {kGasZoneRegistration, page(PageId::GasZones)},
        {kGasZoneParameters,
         [this] {
             GasZoneEditor editor(m_store, m_prompter.immediate(), GasZonePage::writeTable);
             editor.open();
             m_dialogs.runGasZoneEditor(editor);
         }},
        {kMimicLinkageSetup,
         [this] {
             if (!m_store.mimic.working.anyRegistered()) {
                 m_prompter.inform("No Mimic register", kCaptionPrompt);
                 return;
             }
             MimicLedEditor editor(m_store, m_prompter.immediate());
             editor.open();
             if (m_dialogs.runMimicLedEditor(editor)) {
                 writeLinkageFiles();
             } else {
                 editor.pressCancel();
                 m_prompter.note(kNothingSaved);
             }
         }},
        {kGeneralLinkageSetup,
         [this] {
             GeneralLinkageEditor editor(m_store, m_prompter.immediate());
             runLinkageEditor(editor);
         }},
        {kZoneLinkageSetup,
         [this] {
             ZoneLinkageEditor editor(m_store, m_prompter.immediate());
             runLinkageEditor(editor);
         }},
        {kSpecificLinkageSetup,
         [this] {
             SpecificLinkageEditor editor(m_store, m_prompter.immediate());
             runLinkageEditor(editor);
         }},
        {kZcpSetup,
         [this] {
             if (m_store.systemCode() == SystemCode::OneLoop) {
                 return; // the one-loop controller has no zone control panel
             }
             KeypadEditor editor(m_store, m_prompter.immediate());
             editor.open();
             if (m_dialogs.runKeypadEditor(editor)) {
                 writeKeypadFile();
             } else {
                 editor.pressExit();
                 m_prompter.note(kNothingSaved);
             }
         }},
        {kLoadData,
         [this] {
             if (!loadData(m_store, m_prompter).cancelled) {
                 clearHistories();
                 showPage(PageId::Zone);
             }
         }},
        {kDataExport, [this] { dataExport(m_store, m_prompter); }},
        {kVersion, [this] { m_dialogs.showAbout(m_store.dataFolder()); }},
        {kAboutBox, [this] { m_dialogs.showAbout(m_store.dataFolder()); }},
        {kControllerVersionNote,
         [this] { m_prompter.inform(kControllerVersionNoteText, kProgramName); }},
        {kBroadcastControllerSetup,
         [this] {
             runPanelEditor(&DialogRunner::runBroadcastControllerEditor, names::kBroadcast,
                            m_store.broadcast);
         }},
        {kBroadcastPointSetup,
         [this] {
             runPanelEditor(&DialogRunner::runBroadcastPointEditor, names::kBroadcastPoints,
                            m_store.broadcastPoints);
         }},
        {kHandControlSetup,
         [this] {
             runPanelEditor(&DialogRunner::runHandControlEditor, names::kHandControl,
                            m_store.handControl);
         }},
        {kHydrantSetup,
         [this] {
             runPanelEditor(&DialogRunner::runHydrantEditor, names::kHydrant, m_store.hydrant);
         }},
        {kBatchDevicePlacement,
         [this] {
             BatchPlacementEditor editor(m_store, m_prompter.immediate(), writePageFile);
             editor.open();
             m_dialogs.runBatchPlacement(editor);
             if (editor.placedAny() && m_window.page == PageId::Devices) {
                 m_window.editor = {};
                 m_devicePage.redraw(m_window); // the grid shows what was placed
             }
         }},
        {kExportDevicesToWorkbook, [this] { exchangeDevices(false); }},
        {kImportDevicesFromWorkbook, [this] { exchangeDevices(true); }},
        {kCheckConfiguration, [this] { checkConfiguration(); }},
        {kFindDevice, [this] { findDevice(); }},
        {kPrintConfigurationReport, [this] { showConfigurationReport(m_store, m_dialogs); }},
    };
}

void MainWindowLogic::runLinkageEditor(LinkageEditor& editor) {
    editor.open();
    if (!m_dialogs.runLinkageEditor(editor)) {
        editor.pressExit(); // whatever ended the dialog, nothing of it stays
        m_prompter.note(kNothingSaved);
        return;
    }
    writeLinkageFiles();
}

void MainWindowLogic::writeLinkageFiles() {
    // Written as held: the checksum and the registered rule count wait for Data export.
    const auto write = [this](std::string_view name, std::span<const std::uint8_t> image) {
        return writeHostFile(m_store, name, buildWholeImageFile(image, FileVariant::PageSave),
                             m_prompter);
    };
    if (write(names::kLinkageInput, m_store.linkageInputs.working.bytes)) {
        m_store.linkageInputs.takeSavePoint();
    }
    if (write(names::kLinkageResult, m_store.linkageResults.working.bytes)) {
        m_store.linkageResults.takeSavePoint();
    }
}

void MainWindowLogic::writeKeypadFile() {
    KeypadTable& keypad = m_store.keypad.working;
    keypad.header = FileHeader::fromTemplate(m_store.headerTemplate(), tags::kKeypad);
    if (writeHostFile(m_store, names::kKeypad, buildImageFile(keypad, FileVariant::PageSave),
                      m_prompter)) {
        m_store.keypad.takeSavePoint();
    }
}

template <class Editor, class Table>
void MainWindowLogic::runPanelEditor(bool (DialogRunner::*run)(Editor&), std::string_view name,
                                     Versioned<Table>& table) {
    Editor editor(m_store, m_prompter.immediate());
    editor.open();
    if (!(m_dialogs.*run)(editor)) {
        table.revert();
        m_prompter.note(kNothingSaved);
        return;
    }
    if (writeHostFile(m_store, name, buildImageFile(table.working, FileVariant::PageSave),
                      m_prompter)) {
        table.takeSavePoint();
    }
}

void MainWindowLogic::exchangeDevices(bool import) {
    if (!m_prompter.confirm(device_workbook::kQuestion, device_workbook::kQuestionCaption)) {
        return;
    }
    // Beside the Data folder, as the workbook sits beside the program.
    const std::filesystem::path workbook =
        m_store.dataFolder().parent_path() / device_workbook::kFileName;
    m_dialogs.runWithProgress(kCopyingText, device_workbook::kBoards,
                              [&](const ProgressStep& progress) {
                                  if (import) {
                                      importDevices(m_store, workbook, m_prompter, progress);
                                  } else {
                                      exportDevices(m_store, workbook, m_prompter, progress);
                                  }
                              });
    // Even a failed import can have taken the boards read before the failure.
    if (import && m_window.page == PageId::Devices) {
        m_window.editor = {};
        m_devicePage.redraw(m_window);
    }
}

bool MainWindowLogic::runCommand(int command) {
    const auto found = m_commands.find(command);
    if (found == m_commands.end()) {
        return false;
    }
    {
        CommandScope scope(m_prompter);
        found->second();
    }
    const auto entry = std::ranges::find(mainMenu(), command, &MenuEntry::command);
    endCommand(entry != mainMenu().end() ? entry->label : u"About");
    return true;
}

SetupPage* MainWindowLogic::currentPage() {
    switch (m_window.page) {
    case PageId::Zone:
        return &m_zonePage;
    case PageId::Net:
        return &m_netPage;
    case PageId::Display:
        return &m_displayPage;
    case PageId::IoBoard:
        return &m_ioBoardPage;
    case PageId::Devices:
        return &m_devicePage;
    case PageId::Mimic:
        return &m_mimicPage;
    case PageId::GasZones:
        return &m_gasZonePage;
    default:
        return nullptr;
    }
}

void MainWindowLogic::showPage(PageId id) {
    CommandScope scope(m_prompter);
    m_window.page = id;
    SetupPage* page = currentPage();
    if (!page) {
        return;
    }
    m_window.title = page->title();
    m_window.editor = {};
    m_window.firstSelector = {};
    m_window.resound.visible = id == PageId::Zone;
    m_window.share.visible = id == PageId::Net;
    m_window.mdmMode.visible = id == PageId::Mimic;
    page->draw(m_window);
}

void MainWindowLogic::clickCell(int row, int column) {
    CommandScope scope(m_prompter);
    m_window.editor = {};
    SetupPage* page = currentPage();
    if (!page || row < 1 || column < 1 || !m_window.grid.contains(row, column)) {
        return;
    }
    CellEditor editor = page->editorFor(m_window, row, column);
    editor.row = row;
    editor.column = column;
    m_window.editor = std::move(editor);
}

void MainWindowLogic::doubleClickCell(int row, int column) {
    CommandScope scope(m_prompter);
    SetupPage* page = currentPage();
    if (!page || !m_window.grid.contains(row, column)) {
        return;
    }
    const PageStep step(*page, step_names::doubleClick(m_window, row, column));
    if (row == 0) {
        page->doubleClickCaption(m_window, column);
    } else {
        page->doubleClickCell(m_window, row, column);
    }
}

void MainWindowLogic::commitTextEditor(const std::u16string& text) {
    CommandScope scope(m_prompter);
    const CellEditor editor = m_window.editor;
    SetupPage* page = currentPage();
    if (editor.kind != CellEditor::Kind::Text || !page) {
        return;
    }
    m_window.editor = {};
    if (text == editor.text) {
        return; // left as it opened: nothing was typed, nothing is stored
    }
    std::u16string accepted = text;
    if (editor.digitsOnly) {
        std::erase_if(accepted, [](char16_t c) { return c < u'0' || c > u'9'; });
    }
    // Typing cannot take a text past the limit, nor past the longer text the editor opened with.
    const std::size_t ceiling =
        std::max(static_cast<std::size_t>(editor.maxLength), editor.text.size());
    const PageStep step(*page, step_names::edit(m_window, editor.row, editor.column));
    page->commitText(m_window, editor, limitLength(accepted, ceiling));
}

void MainWindowLogic::commitCellList(int index, const std::u16string& editText) {
    CommandScope scope(m_prompter);
    const CellEditor editor = m_window.editor;
    SetupPage* page = currentPage();
    if (editor.kind != CellEditor::Kind::List || !page) {
        return;
    }
    m_window.editor = {};
    if (index < 0 || index >= static_cast<int>(editor.items.size())) {
        const auto found = std::find(editor.items.begin(), editor.items.end(), editText);
        if (found == editor.items.end()) {
            return;
        }
        index = static_cast<int>(found - editor.items.begin());
    }
    if (index == editor.selected) {
        return; // the entry the cell already showed: a stored value it only stands for stays
    }
    const PageStep step(*page, step_names::edit(m_window, editor.row, editor.column));
    page->commitList(m_window, editor, index);
}

void MainWindowLogic::chooseFirstSelector(int index) {
    CommandScope scope(m_prompter);
    if (SetupPage* page = currentPage()) {
        const PageStep step(*page, step_names::choose(m_window, index));
        page->chooseSelector(m_window, index);
    }
}

void MainWindowLogic::pressSave() {
    {
        CommandScope scope(m_prompter);
        if (SetupPage* page = currentPage()) {
            page->save();
        }
    }
    endCommand(u"Nothing saved");
}

void MainWindowLogic::pressCancel() {
    CommandScope scope(m_prompter);
    SetupPage* page = currentPage();
    if (!page) {
        return;
    }
    m_window.editor = {};
    page->cancel();
    page->history().clear(); // Cancel replaces the working copy wholesale
    page->redraw(m_window);
    endCommand(u"Cancelled: the page shows what was last saved");
}

} // namespace qb
