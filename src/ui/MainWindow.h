#pragma once

#include "ColumnDialogs.h"
#include "pages/MainWindowLogic.h"

#include <QMainWindow>

#include <tuple>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace qb::ui {

class TypingLimitValidator;

// The main window: menu, selectors, option check boxes, the page grid with its cell editors,
// and "Save" / "Cancel". It only mirrors the logic's state and forwards the installer's actions.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(ConfigStore& store, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindowLogic& logic() { return m_logic; }
    QTableWidget* grid() const { return m_grid; }
    QLineEdit* cellTextEditor() const { return m_textEditor; }
    QComboBox* cellList() const { return m_cellList; }
    QComboBox* firstSelector() const { return m_firstSelector; }

    // Runs a menu command as the menu would.
    void runCommand(int command);
    // Mirrors the logic's state into the widgets.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenu();
    void buildControls();
    void placeEditor(QWidget* editor, int row, int column);
    void mirrorEditor();
    void commitOpenEditor();
    template <class Action> void act(Action action);

    WidgetDialogRunner m_dialogs;
    MainWindowLogic m_logic;

    QTableWidget* m_grid = nullptr;
    QLineEdit* m_textEditor = nullptr;
    QComboBox* m_cellList = nullptr;
    QLabel* m_firstLabel = nullptr;
    QComboBox* m_firstSelector = nullptr;
    QCheckBox* m_share = nullptr;
    QCheckBox* m_resound = nullptr;
    QCheckBox* m_mdmMode = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    TypingLimitValidator* m_typingLimit = nullptr;
    // The editor placed over the grid: kind, row and column.
    std::tuple<CellEditor::Kind, int, int> m_placed{CellEditor::Kind::None, 0, 0};
    bool m_committing = false;
    bool m_closing = false;
};

} // namespace qb::ui
