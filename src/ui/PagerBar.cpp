#include "PagerBar.h"

#include "DialogWidgets.h"
#include "Mirror.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb::ui {

PagerBar::PagerBar(QWidget* parent, const Labels& labels) {
    m_label = new QLabel(parent);
    m_label->setObjectName("pageLabel");
    const QString widest(labels.pageDigits, '0');
    m_label->setMinimumWidth(
        m_label->fontMetrics().horizontalAdvance("Cond. " + widest + "/" + widest));
    m_to = button(parent, "To", "to");
    m_page = digitsBox(parent, "toPage", labels.pageDigits);
    m_moves = {{{button(parent, labels.prev, labels.prevName), &PagedEditor::pressPrev,
                 &PagedEditor::prevEnabled},
                {button(parent, labels.next, labels.nextName), &PagedEditor::pressNext,
                 &PagedEditor::nextEnabled},
                {button(parent, "Add", "add"), &PagedEditor::pressAdd, &PagedEditor::addEnabled},
                {button(parent, "Del", "del"), &PagedEditor::pressDel, &PagedEditor::delEnabled}}};

    m_pagingRow = new QHBoxLayout;
    m_pagingRow->addWidget(m_label);
    m_pagingRow->addStretch();
    if (labels.withTo) {
        m_pagingRow->addWidget(m_to);
        m_pagingRow->addWidget(m_page);
        m_pagingRow->addWidget(new QLabel("Page", parent));
    } else {
        m_to->hide();
        m_page->hide();
    }
    m_movingRow = new QHBoxLayout;
    for (const Move& move : m_moves) {
        m_movingRow->addWidget(move.button);
    }
}

QVBoxLayout* PagerBar::layOutIn(QWidget* group) const {
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(m_pagingRow);
    layout->addLayout(m_movingRow);
    return layout;
}

void PagerBar::connectTo(PagedEditor& editor, QObject* context, const EditorAction& act) {
    const auto on = [&](QPushButton* b, void (PagedEditor::*press)()) {
        QObject::connect(b, &QPushButton::clicked, context,
                         [&editor, act, press] { act([&editor, press] { (editor.*press)(); }); });
    };
    on(m_to, &PagedEditor::pressTo);
    for (const Move& move : m_moves) {
        on(move.button, move.press);
    }
    QObject::connect(m_page, &QLineEdit::returnPressed, context,
                     [&editor, act] { act([&editor] { editor.pressTo(); }); });
}

void PagerBar::takeText(PagedEditor& editor) const {
    editor.toText = u16(m_page->text());
}

void PagerBar::mirror(const PagedEditor& editor) {
    m_label->setText(qs(editor.pageLabel()));
    mirrorText(m_page, editor.toText);
    for (const Move& move : m_moves) {
        move.button->setEnabled(editor.*move.enabled);
    }
}

} // namespace qb::ui
