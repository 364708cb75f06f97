#include "MimicLedDialog.h"

#include "CellGridView.h"
#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "WidgetDialogRunner.h"
#include "devices/MimicLedEditor.h"
#include "pages/MimicColumnBatch.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

// Only a move the installer makes counts as the list getting the focus: the dialog getting
// active again after a message box would otherwise raise the message over and over.
bool byInstaller(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

MimicLedDialog::MimicLedDialog(MimicLedEditor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor) {
    setObjectName("mimicLedDialog");
    setWindowTitle("MDM Setup");

    m_mimic = dropDown(this, "mimic", 3);
    m_board = dropDown(this, "board", 14);
    auto* lists = new QHBoxLayout;
    lists->addWidget(new QLabel("Mimic", this));
    lists->addWidget(m_mimic);
    lists->addSpacing(24);
    lists->addWidget(new QLabel("Board", this));
    lists->addWidget(m_board);
    lists->addStretch();

    m_grid =
        new CellGridView(this, "ledGrid", CellGridView::listsOf(m_editor, [this] { refresh(); }));
    m_grid->setMinimumSize(820, 420);

    auto* save = button(this, "Save", "save");
    auto* cancel = button(this, "Cancel", "cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttonRow({save, cancel}));

    m_mimic->installEventFilter(this);
    m_board->installEventFilter(this);
    onChoice(m_mimic, this, [this](int index) { act([&] { m_editor.chooseModule(index); }); });
    onChoice(m_board, this, [this](int index) { act([&] { m_editor.chooseBoard(index); }); });
    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int column) { act([&] { m_editor.clickCell(row + 1, column); }); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { columnBatch(column); });
    connect(save, &QPushButton::clicked, this, [this] {
        m_grid->commit();
        if (m_editor.pressSave()) {
            accept();
        } else {
            refresh();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &MimicLedDialog::reject);

    refresh();
    resize(sizeHint().expandedTo(QSize(880, 640)));
    frameDialog(this);
}

MimicLedDialog::~MimicLedDialog() {
    // A list losing the focus while the dialog goes away must not commit into it.
    m_closing = true;
    m_grid->windowClosing();
}

void MimicLedDialog::reject() {
    m_closing = true;
    m_grid->windowClosing();
    m_editor.pressCancel();
    QDialog::reject();
}

bool MimicLedDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_mimic || watched == m_board) && event->type() == QEvent::FocusIn &&
        byInstaller(static_cast<QFocusEvent*>(event)) && !m_closing) {
        act([this] { m_editor.focusOnLists(); });
    }
    return QDialog::eventFilter(watched, event);
}

void MimicLedDialog::act(const std::function<void()>& action) {
    action();
    refresh();
}

void MimicLedDialog::refresh() {
    mirrorList(m_mimic, m_editor.modules);
    mirrorItems(m_board, m_editor.boards.items, m_editor.boards.selected);
    m_grid->mirror();
}

void MimicLedDialog::columnBatch(int column) {
    m_grid->commit();
    WidgetDialogRunner dialogs(this);
    act([&] {
        mimicbatch::run(m_editor, column,
                        [&](ColumnBatchDialog& dialog) { return dialogs.runColumnBatch(dialog); });
    });
}

} // namespace qb::ui
