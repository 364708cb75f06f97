#include "BroadcastControllerDialog.h"

#include "CellGridView.h"
#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "devices/BroadcastControllerEditor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace qb::ui {

BroadcastControllerDialog::BroadcastControllerDialog(BroadcastControllerEditor& editor,
                                                     QWidget* parent)
    : QDialog(parent), m_editor(editor) {
    setObjectName("broadcastControllerDialog");
    setWindowTitle("BroadCast Controller Setting");

    m_grid = new CellGridView(this, "controllerGrid",
                              CellGridView::listsOf(m_editor, [this] { refresh(); }));
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto* ok = button(this, "OK", "ok");
    auto* cancel = button(this, "Cancel", "cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttonRow({ok, cancel}));

    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row, int column) {
        m_editor.clickCell(row + 1, column);
        refresh();
    });
    // A caption click selects the whole column, its first cell the active one.
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_grid->commit();
        m_grid->setCurrentCell(0, column);
        m_editor.clickCell(1, column, m_grid->rowCount());
        refresh();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_grid->commit();
        m_grid->windowClosing();
        if (m_editor.pressOk()) {
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &BroadcastControllerDialog::reject);

    refresh();
    const int width = m_grid->horizontalHeader()->length() + 2 * m_grid->frameWidth();
    m_grid->setMinimumWidth(width + m_grid->verticalScrollBar()->sizeHint().width());
    resize(sizeHint().expandedTo(QSize(0, 560)));
    frameDialog(this);
}

BroadcastControllerDialog::~BroadcastControllerDialog() {
    m_grid->windowClosing();
}

void BroadcastControllerDialog::reject() {
    m_grid->windowClosing();
    m_editor.closeCellEditor();
    QDialog::reject();
}

void BroadcastControllerDialog::refresh() {
    m_grid->mirror();
}

} // namespace qb::ui
