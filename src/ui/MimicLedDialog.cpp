#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "GridCellList.h"
#include "Mirror.h"
#include "devices/MimicLedEditor.h"
#include "pages/MimicColumnBatch.h"

#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
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

// The view of "MDM Setup": builds its widgets once, forwards every action to the editor and
// mirrors the editor's whole state back after each.
class MimicLedDialog : public QDialog {
public:
    MimicLedDialog(MimicLedEditor& editor, QWidget* parent) : QDialog(parent), m_editor(editor) {
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

        m_grid = new QTableWidget(this);
        m_grid->setObjectName("ledGrid");
        m_grid->verticalHeader()->hide();
        m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
        m_grid->horizontalHeader()->setSectionsClickable(true);
        m_grid->horizontalHeader()->setHighlightSections(false);
        m_grid->setMinimumSize(820, 420);

        m_cellList = new GridCellList(m_grid, [this](int index) {
            m_editor.commitList(index);
            refresh();
        });

        auto* save = button(this, "Save", "save");
        auto* cancel = button(this, "Cancel", "cancel");
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(save);
        buttons->addWidget(cancel);

        auto* layout = new QVBoxLayout(this);
        layout->addLayout(lists);
        layout->addWidget(m_grid, 1);
        layout->addLayout(buttons);

        m_mimic->installEventFilter(this);
        m_board->installEventFilter(this);
        connect(m_mimic, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseModule(index); }); });
        connect(m_board, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseBoard(index); }); });
        connect(m_grid, &QTableWidget::cellClicked, this,
                [this](int row, int column) { act([&] { m_editor.clickCell(row + 1, column); }); });
        connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this](int column) { columnBatch(column); });
        connect(save, &QPushButton::clicked, this, [this] {
            m_cellList->commit();
            if (m_editor.pressSave()) {
                accept();
            } else {
                refresh();
            }
        });
        connect(cancel, &QPushButton::clicked, this, &MimicLedDialog::reject);

        refresh();
        resize(sizeHint().expandedTo(QSize(880, 640)));
    }

    ~MimicLedDialog() override {
        // A list losing the focus while the dialog goes away must not commit into it.
        m_closing = true;
        m_cellList->close();
    }

    void reject() override {
        m_closing = true;
        m_cellList->close();
        m_editor.pressCancel();
        QDialog::reject();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((watched == m_mimic || watched == m_board) && event->type() == QEvent::FocusIn &&
            byInstaller(static_cast<QFocusEvent*>(event)) && !m_closing) {
            act([this] { m_editor.focusOnLists(); });
        }
        return QDialog::eventFilter(watched, event);
    }

private:
    template <class Action> void act(Action action) {
        action();
        refresh();
    }

    void refresh() {
        mirrorItems(m_mimic, m_editor.modules.items, m_editor.modules.selected);
        mirrorItems(m_board, m_editor.boards.items, m_editor.boards.selected);
        mirrorGrid(m_grid, m_editor.grid());
        m_cellList->mirror(m_editor.cellEditor());
    }

    void columnBatch(int column) {
        m_cellList->commit();
        WidgetDialogRunner dialogs(this);
        act([&] {
            mimicbatch::run(m_editor, column, [&](ColumnBatchDialog& dialog) {
                return dialogs.runColumnBatch(dialog);
            });
        });
    }

    MimicLedEditor& m_editor;
    QComboBox* m_mimic;
    QComboBox* m_board;
    QTableWidget* m_grid;
    GridCellList* m_cellList;
    bool m_closing = false;
};

} // namespace

bool WidgetDialogRunner::runMimicLedEditor(MimicLedEditor& editor) {
    MimicLedDialog dialog(editor, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
