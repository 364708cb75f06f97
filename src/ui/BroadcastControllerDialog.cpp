#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "GridCellList.h"
#include "Mirror.h"
#include "devices/BroadcastControllerEditor.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

// The view of "BroadCast Controller Setting": the grid of the 30 controllers with its cell
// list, OK and Cancel. Every action goes to the editor, whose grid is then mirrored back.
class BroadcastControllerDialog : public QDialog {
public:
    BroadcastControllerDialog(BroadcastControllerEditor& editor, QWidget* parent)
        : QDialog(parent), m_editor(editor) {
        setObjectName("broadcastControllerDialog");
        setWindowTitle("BroadCast Controller Setting");

        m_grid = new QTableWidget(this);
        m_grid->setObjectName("controllerGrid");
        m_grid->verticalHeader()->hide();
        m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
        m_grid->horizontalHeader()->setHighlightSections(false);
        m_grid->horizontalHeader()->setStretchLastSection(true);
        m_cellList = new GridCellList(m_grid, [this](int index) {
            m_editor.commitList(index);
            refresh();
        });

        auto* ok = button(this, "OK", "ok");
        auto* cancel = button(this, "Cancel", "cancel");
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_grid, 1);
        layout->addLayout(buttons);

        connect(m_grid, &QTableWidget::cellClicked, this, [this](int row, int column) {
            m_editor.clickCell(row + 1, column);
            refresh();
        });
        // A caption click selects the whole column, its first cell the active one.
        connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
            m_cellList->commit();
            m_grid->setCurrentCell(0, column);
            m_editor.clickCell(1, column, m_grid->rowCount());
            refresh();
        });
        connect(ok, &QPushButton::clicked, this, [this] {
            m_cellList->commit();
            m_cellList->close();
            if (m_editor.pressOk()) {
                accept();
            }
        });
        connect(cancel, &QPushButton::clicked, this, &BroadcastControllerDialog::reject);

        refresh();
        const int width = m_grid->horizontalHeader()->length() + 2 * m_grid->frameWidth();
        m_grid->setMinimumWidth(width + m_grid->verticalScrollBar()->sizeHint().width());
        resize(sizeHint().expandedTo(QSize(0, 560)));
    }

    ~BroadcastControllerDialog() override { m_cellList->close(); }

    void reject() override {
        m_cellList->close();
        m_editor.closeCellEditor();
        QDialog::reject();
    }

private:
    void refresh() {
        mirrorGrid(m_grid, m_editor.grid());
        m_cellList->mirror(m_editor.cellEditor());
    }

    BroadcastControllerEditor& m_editor;
    QTableWidget* m_grid;
    GridCellList* m_cellList;
};

} // namespace

bool WidgetDialogRunner::runBroadcastControllerEditor(BroadcastControllerEditor& editor) {
    BroadcastControllerDialog dialog(editor, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
