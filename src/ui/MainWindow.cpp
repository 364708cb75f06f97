#include "MainWindow.h"

#include "CellGridView.h"
#include "DialogWidgets.h"
#include "EditMenu.h"
#include "Mirror.h"
#include "pages/MainMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace qb::ui {

MainWindow::MainWindow(ConfigStore& store, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_dialogs(this, [this] { refresh(); }),
      m_logic(store, prompter, m_dialogs) {
    buildMenu();
    buildControls();
    buildStatusBar();
    resize(820, 580);
}

MainWindow::~MainWindow() {
    // An editor losing the focus while the window goes away must not commit into it.
    m_grid->windowClosing();
    m_grid->disconnect(this);
}

QTableWidget* MainWindow::grid() const {
    return m_grid;
}

QLineEdit* MainWindow::cellTextEditor() const {
    return m_grid->textEditor();
}

QComboBox* MainWindow::cellList() const {
    return m_grid->cellList();
}

template <class Action> void MainWindow::act(Action action) {
    action();
    refresh();
    if (m_logic.exitRequested()) {
        close();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_logic.exitRequested()) { // "Exit" has asked already
        m_grid->commit();           // a cell being typed counts as edited
        refresh();
        if (!m_logic.mayQuit()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void MainWindow::runCommand(int command) {
    m_grid->commit();
    act([&] { m_logic.runCommand(command); });
}

void MainWindow::buildMenu() {
    QMenu* menu = nullptr;
    std::u16string_view current;
    for (const MenuEntry& entry : mainMenu()) {
        if (!menu || entry.menu != current) {
            if (entry.menu == u"Tools") {
                buildEditMenu(); // the menus of the resource stay where installers know them
            }
            menu = menuBar()->addMenu(qs(entry.menu));
            current = entry.menu;
        }
        QAction* action = menu->addAction(qs(entry.label));
        if (entry.checkable) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        const int command = entry.command;
        if (command == commands::kFindDevice) {
            action->setShortcut(QKeySequence::Find);
        }
        connect(action, &QAction::triggered, this, [this, action, command] {
            if (action->isCheckable()) {
                action->setChecked(true); // the only controller type stays ticked
            }
            runCommand(command);
        });
        if (entry.separatorAfter) {
            menu->addSeparator();
        }
    }
}

void MainWindow::buildEditMenu() {
    const auto step = [this](void (MainWindowLogic::*command)()) {
        return [this, command] {
            m_grid->commit(); // a cell being typed is a step of its own, undone first
            act([&] { (m_logic.*command)(); });
        };
    };
    m_editMenu = new EditMenu(
        menuBar(), step(&MainWindowLogic::undo), step(&MainWindowLogic::redo),
        [this] { copyCells(); }, [this] { pasteCells(); });
}

void MainWindow::copyCells() {
    const QList<QTableWidgetSelectionRange> ranges = m_grid->selectedRanges();
    const QModelIndex current = m_grid->currentIndex();
    CellRect rect;
    if (!ranges.isEmpty()) {
        const QTableWidgetSelectionRange& range = ranges.front();
        rect = {range.topRow() + 1, range.leftColumn(), range.bottomRow() + 1, range.rightColumn()};
    } else if (current.isValid()) {
        rect = {current.row() + 1, current.column(), current.row() + 1, current.column()};
    } else {
        return;
    }
    QGuiApplication::clipboard()->setText(qs(m_logic.copy(rect)));
}

void MainWindow::pasteCells() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid()) {
        return;
    }
    m_grid->commit(); // a cell being typed is a step of its own, before the paste
    const std::u16string text = u16(QGuiApplication::clipboard()->text());
    act([&] { m_logic.paste(current.row() + 1, current.column(), text); });
}

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    m_firstLabel = new QLabel("Zone:", central);
    m_firstSelector = fittedDropDown(central, "firstSelector", 4);
    m_share = checkBox(central, "Share", "share");
    m_resound = checkBox(central, "Resound", "resound");
    m_mdmMode = checkBox(central, "MDM Mode", "mdmMode");
    top->addWidget(m_firstLabel);
    top->addWidget(m_firstSelector);
    top->addSpacing(24);
    top->addWidget(m_share);
    top->addWidget(m_resound);
    top->addWidget(m_mdmMode);
    top->addStretch();
    layout->addLayout(top);

    buildGrid(central);
    layout->addWidget(m_grid, 1);

    QPushButton* save = button(central, "Save", "save");
    save->setShortcut(QKeySequence::Save);
    QPushButton* cancel = button(central, "Cancel", "cancel");
    layout->addLayout(buttonRow({save, cancel}));
    setCentralWidget(central);
    // Tabbing reaches the cell editors after the buttons.
    setTabOrder(cancel, m_grid->textEditor());
    setTabOrder(m_grid->textEditor(), m_grid->cellList());

    // Choosing the board on view again goes back to its first loop, so a re-choice acts.
    onChoice(
        m_firstSelector, this,
        [this](int index) {
            m_grid->commit();
            act([&] { m_logic.chooseFirstSelector(index); });
        },
        Rechoice::Acts);
    // Toggled, not clicked, so that the accessibility interface's toggle counts as a click;
    // mirroring blocks the signals, so only the installer's changes arrive here.
    connect(m_share, &QCheckBox::toggled, this, [this] { act([&] { m_logic.clickShare(); }); });
    connect(m_resound, &QCheckBox::toggled, this, [this] { act([&] { m_logic.clickResound(); }); });
    connect(m_mdmMode, &QCheckBox::toggled, this, [this] { act([&] { m_logic.clickMdmMode(); }); });
    connect(save, &QPushButton::clicked, this, [this] {
        m_grid->commit();
        act([&] { m_logic.pressSave(); });
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_grid->commit();
        act([&] { m_logic.pressCancel(); });
    });
}

void MainWindow::buildGrid(QWidget* central) {
    m_grid =
        new CellGridView(central, "pageGrid",
                         {[this]() -> const PageGrid& { return m_logic.state().grid; },
                          [this]() -> const CellEditor& { return m_logic.state().editor; },
                          [this](const QString& text) {
                              m_logic.commitTextEditor(u16(text));
                              refresh();
                          },
                          [this](int index, const QString& text) {
                              m_logic.commitCellList(index, u16(text));
                              refresh();
                          },
                          [this] { m_logic.closeEditor(); },
                          [this](int column) { act([&] { m_logic.doubleClickCell(0, column); }); },
                          [this] { copyCells(); }, [this] { pasteCells(); }});
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setMinimumSize(800, 450);

    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { act([&] { m_logic.clickCell(row + 1, column); }); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        act([&] { m_logic.doubleClickCell(row + 1, column); });
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) {
                m_grid->commit();
                act([&] { m_logic.doubleClickCell(0, column); });
            });
}

void MainWindow::buildStatusBar() {
    const auto field = [this](const char* name, bool permanent) {
        auto* label = new QLabel(statusBar());
        label->setObjectName(name);
        if (permanent) {
            statusBar()->addPermanentWidget(label);
        } else {
            statusBar()->addWidget(label, 1);
        }
        return label;
    };
    m_statusCommand = field("statusCommand", false);
    m_statusUnsaved = field("statusUnsaved", true);
    m_statusHost = field("statusHost", true);
    m_statusSystemCode = field("statusSystemCode", true);
    m_statusDataFolder = field("statusDataFolder", true);
}

void MainWindow::refreshStatusBar() {
    const StatusBarState status = m_logic.statusBar();
    const auto show = [](QLabel* label, const std::u16string& text) {
        label->setText(qs(text));
        label->setToolTip(qs(text));
        label->setAccessibleName(qs(text));
    };
    show(m_statusCommand, status.command);
    show(m_statusUnsaved, status.unsaved);
    show(m_statusHost, status.host);
    show(m_statusSystemCode, status.systemCode);
    show(m_statusDataFolder, status.dataFolder);
}

void MainWindow::refresh() {
    const WindowState& state = m_logic.state();
    setWindowTitle(qs(state.title));
    mirrorSelector(m_firstSelector, m_firstLabel, state.firstSelector);
    mirrorCheck(m_share, state.share);
    mirrorCheck(m_resound, state.resound);
    mirrorCheck(m_mdmMode, state.mdmMode);
    m_grid->mirror();
    mirrorGridFocus();
    m_editMenu->mirror(m_logic.undoText(), m_logic.canUndo(), m_logic.redoText(),
                       m_logic.canRedo());
    refreshStatusBar();
}

void MainWindow::mirrorGridFocus() {
    const GridFocus& focus = m_logic.state().focus;
    if (focus.serial == m_gridFocusSerial) {
        return; // taken already: the installer may have moved on since
    }
    m_gridFocusSerial = focus.serial;
    if (focus.row < 1 || focus.row > m_grid->rowCount()) {
        return;
    }
    m_grid->setCurrentCell(focus.row - 1, focus.column);
    m_grid->scrollTo(m_grid->model()->index(focus.row - 1, focus.column),
                     QAbstractItemView::PositionAtCenter);
    m_grid->setFocus();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape neither close the window nor press a button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace qb::ui
