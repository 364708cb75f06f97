#include "PagedEditorDialog.h"

#include "base/PagedEditor.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace qb::ui {

PagedEditorDialog::PagedEditorDialog(PagedEditor& editor, QWidget* parent,
                                     const PagerBar::Labels& labels)
    : QDialog(parent), m_editor(editor), m_pager(std::make_unique<PagerBar>(this, labels)) {
    m_pager->connectTo(m_editor, this, forward());
}

void PagedEditorDialog::reject() {
    m_finished = true;
    QDialog::reject();
}

void PagedEditorDialog::act(const std::function<void()>& action) {
    if (m_finished) {
        return;
    }
    m_pager->takeText(m_editor);
    action();
    refresh();
}

void PagedEditorDialog::pressOk() {
    if (m_finished) {
        return;
    }
    m_pager->takeText(m_editor);
    if (m_editor.pressOk()) {
        m_finished = true;
        accept();
    } else {
        refresh();
    }
}

QLayout* PagedEditorDialog::buildButtons(const QString& exitText) {
    auto* ok = button(this, "OK", "ok");
    auto* exit = button(this, exitText, "exit");
    connect(ok, &QPushButton::clicked, this, [this] { pressOk(); });
    connect(exit, &QPushButton::clicked, this, &PagedEditorDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(exit);
    return row;
}

} // namespace qb::ui
