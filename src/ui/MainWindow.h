#pragma once

#include "WidgetDialogRunner.h"
#include "pages/MainWindowLogic.h"

#include <QMainWindow>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace qb::ui {

class CellGridView;
class EditMenu;

// The main window: menu, selectors, option check boxes, the page grid with its cell editors,
// and "Save" / "Cancel". It only mirrors the logic's state and forwards the installer's actions.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(ConfigStore& store, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowLogic& logic() { return m_logic; }
    QTableWidget* grid() const;
    QLineEdit* cellTextEditor() const;
    QComboBox* cellList() const;
    QComboBox* firstSelector() const { return m_firstSelector; }
    EditMenu* editMenu() const { return m_editMenu; }

    // Runs a menu command as the menu would.
    void runCommand(int command);
    // Mirrors the logic's state into the widgets.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window ends the program: with unsaved page edits, only once the installer
    // agrees.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildEditMenu();
    // The selected cells (or the current one) onto the clipboard; the clipboard's text into the
    // grid from the current cell on.
    void copyCells();
    void pasteCells();
    void buildControls();
    void buildGrid(QWidget* central);
    // Where the installer stands and what the last command did.
    void buildStatusBar();
    void refreshStatusBar();
    // Makes the cell the logic asks for current, once per request.
    void mirrorGridFocus();
    template <class Action> void act(Action action);

    WidgetDialogRunner m_dialogs;
    MainWindowLogic m_logic;

    CellGridView* m_grid = nullptr;
    EditMenu* m_editMenu = nullptr;
    QLabel* m_firstLabel = nullptr;
    QComboBox* m_firstSelector = nullptr;
    QCheckBox* m_share = nullptr;
    QCheckBox* m_resound = nullptr;
    QCheckBox* m_mdmMode = nullptr;
    QLabel* m_statusCommand = nullptr;
    QLabel* m_statusUnsaved = nullptr;
    QLabel* m_statusHost = nullptr;
    QLabel* m_statusSystemCode = nullptr;
    QLabel* m_statusDataFolder = nullptr;
    int m_gridFocusSerial = 0;
};

} // namespace qb::ui
