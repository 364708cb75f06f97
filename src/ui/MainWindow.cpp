#include "MainWindow.h"

#include "Mirror.h"
#include "TypingLimitValidator.h"
#include "pages/MainMenu.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qb::ui {

MainWindow::MainWindow(ConfigStore& store, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_dialogs(this), m_logic(store, prompter, m_dialogs) {
    buildMenu();
    buildControls();
    resize(820, 580);
}

MainWindow::~MainWindow() {
    // An editor losing the focus while the window goes away must not commit into it.
    m_closing = true;
    m_grid->disconnect(this);
}

template <class Action> void MainWindow::act(Action action) {
    action();
    refresh();
    if (m_logic.exitRequested()) {
        close();
    }
}

void MainWindow::runCommand(int command) {
    commitOpenEditor();
    act([&] { m_logic.runCommand(command); });
}

void MainWindow::buildMenu() {
    QMenu* menu = nullptr;
    std::u16string_view current;
    for (const MenuEntry& entry : mainMenu()) {
        if (!menu || entry.menu != current) {
            menu = menuBar()->addMenu(qs(entry.menu));
            current = entry.menu;
        }
        QAction* action = menu->addAction(qs(entry.label));
        if (entry.checkable) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        const int command = entry.command;
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

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    m_firstLabel = new QLabel("Zone:", central);
    m_firstSelector = new QComboBox(central);
    m_firstSelector->setObjectName("firstSelector");
    m_firstSelector->setMinimumContentsLength(4);
    m_share = new QCheckBox("Share", central);
    m_resound = new QCheckBox("Resound", central);
    m_mdmMode = new QCheckBox("MDM Mode", central);
    m_mdmMode->setObjectName("mdmMode");
    top->addWidget(m_firstLabel);
    top->addWidget(m_firstSelector);
    top->addSpacing(24);
    top->addWidget(m_share);
    top->addWidget(m_resound);
    top->addWidget(m_mdmMode);
    top->addStretch();
    layout->addLayout(top);

    m_grid = new QTableWidget(central);
    m_grid->setObjectName("pageGrid");
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setMinimumSize(800, 450);
    layout->addWidget(m_grid, 1);

    auto* buttons = new QHBoxLayout;
    m_save = new QPushButton("Save", central);
    m_cancel = new QPushButton("Cancel", central);
    m_save->setObjectName("save");
    m_cancel->setObjectName("cancel");
    for (QPushButton* button : {m_save, m_cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    setCentralWidget(central);

    // The cell editors float over the grid's cells.
    m_textEditor = new QLineEdit(m_grid->viewport());
    m_textEditor->setObjectName("cellTextEditor");
    m_textEditor->hide();
    m_textEditor->installEventFilter(this);
    m_typingLimit = new TypingLimitValidator(m_textEditor);
    m_textEditor->setValidator(m_typingLimit);
    m_cellList = new QComboBox(m_grid->viewport());
    m_cellList->setObjectName("cellList");
    m_cellList->hide();
    m_cellList->installEventFilter(this);

    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { act([&] { m_logic.clickCell(row + 1, column); }); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        act([&] { m_logic.doubleClickCell(row + 1, column); });
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) {
                commitOpenEditor();
                act([&] { m_logic.doubleClickCell(0, column); });
            });
    connect(m_firstSelector, &QComboBox::activated, this, [this](int index) {
        commitOpenEditor();
        act([&] { m_logic.chooseFirstSelector(index); });
    });
    connect(m_share, &QCheckBox::clicked, this, [this] { act([&] { m_logic.clickShare(); }); });
    connect(m_resound, &QCheckBox::clicked, this, [this] { act([&] { m_logic.clickResound(); }); });
    connect(m_mdmMode, &QCheckBox::clicked, this, [this] { act([&] { m_logic.clickMdmMode(); }); });
    connect(m_save, &QPushButton::clicked, this, [this] {
        commitOpenEditor();
        act([&] { m_logic.pressSave(); });
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        commitOpenEditor();
        act([&] { m_logic.pressCancel(); });
    });
}

void MainWindow::refresh() {
    const WindowState& state = m_logic.state();
    setWindowTitle(qs(state.title));
    mirrorSelector(m_firstSelector, m_firstLabel, state.firstSelector);
    mirrorCheck(m_share, state.share);
    mirrorCheck(m_resound, state.resound);
    mirrorCheck(m_mdmMode, state.mdmMode);
    mirrorGrid(m_grid, state.grid);
    mirrorEditor();
}

void MainWindow::placeEditor(QWidget* editor, int row, int column) {
    const QRect cell = m_grid->visualRect(m_grid->model()->index(row - 1, column));
    editor->setGeometry(cell);
    editor->show();
    editor->raise();
    editor->setFocus(Qt::MouseFocusReason);
}

void MainWindow::mirrorEditor() {
    const CellEditor& editor = m_logic.state().editor;
    const auto placed = std::make_tuple(editor.kind, editor.row, editor.column);
    if (placed == m_placed) {
        return; // still open where it was, with what the installer typed
    }
    m_placed = placed;
    m_committing = true;
    if (editor.kind == CellEditor::Kind::Text) {
        m_cellList->hide();
        m_typingLimit->start(editor.maxLength, editor.digitsOnly, qs(editor.text));
        m_textEditor->setText(qs(editor.text));
        m_textEditor->selectAll();
        placeEditor(m_textEditor, editor.row, editor.column);
    } else if (editor.kind == CellEditor::Kind::List) {
        m_textEditor->hide();
        mirrorItems(m_cellList, editor.items, editor.selected);
        placeEditor(m_cellList, editor.row, editor.column);
    } else {
        m_textEditor->hide();
        m_cellList->hide();
    }
    m_committing = false;
}

void MainWindow::commitOpenEditor() {
    if (m_committing || m_closing || !m_logic.state().editor.open()) {
        return;
    }
    m_committing = true;
    if (m_logic.state().editor.kind == CellEditor::Kind::Text) {
        m_logic.commitTextEditor(u16(m_textEditor->text()));
    } else {
        m_logic.commitCellList(m_cellList->currentIndex(), u16(m_cellList->currentText()));
    }
    m_committing = false;
    refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_textEditor || watched == m_cellList) && event->type() == QEvent::FocusOut) {
        // Opening the list's own pop-up is no loss of focus.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            commitOpenEditor();
        }
    }
    if (watched == m_textEditor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_grid->setFocus(); // leaving the editor commits it
            return true;
        }
        if (key == Qt::Key_Escape) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
