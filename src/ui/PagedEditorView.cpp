#include "PagedEditorView.h"

#include "Mirror.h"
#include "base/PagedEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
    m_prev = button(parent, labels.prev, labels.prevName);
    m_next = button(parent, labels.next, labels.nextName);
    m_add = button(parent, "Add", "add");
    m_del = button(parent, "Del", "del");

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
    for (QPushButton* b : {m_prev, m_next, m_add, m_del}) {
        m_movingRow->addWidget(b);
    }
}

void PagerBar::connectTo(PagedEditor& editor, QObject* context, const EditorAction& act) {
    const auto on = [&](QPushButton* b, void (PagedEditor::*press)()) {
        QObject::connect(b, &QPushButton::clicked, context,
                         [&editor, act, press] { act([&editor, press] { (editor.*press)(); }); });
    };
    on(m_to, &PagedEditor::pressTo);
    on(m_prev, &PagedEditor::pressPrev);
    on(m_next, &PagedEditor::pressNext);
    on(m_add, &PagedEditor::pressAdd);
    on(m_del, &PagedEditor::pressDel);
    QObject::connect(m_page, &QLineEdit::returnPressed, context,
                     [&editor, act] { act([&editor] { editor.pressTo(); }); });
}

void PagerBar::takeText(PagedEditor& editor) const {
    editor.toText = u16(m_page->text());
}

void PagerBar::mirror(const PagedEditor& editor) {
    m_label->setText(qs(editor.pageLabel()));
    mirrorText(m_page, editor.toText);
    m_prev->setEnabled(editor.prevEnabled);
    m_next->setEnabled(editor.nextEnabled);
    m_add->setEnabled(editor.addEnabled);
    m_del->setEnabled(editor.delEnabled);
}

void connectPicker(const ModulePicker& picker, PagedEditor& editor, QObject* context,
                   const EditorAction& act) {
    QObject::connect(picker.boards, &QComboBox::activated, context, [&editor, act](int index) {
        act([&editor, index] { editor.chooseBoard(index); });
    });
    if (picker.loops) {
        QObject::connect(picker.loops, &QComboBox::activated, context, [&editor, act](int index) {
            act([&editor, index] { editor.chooseLoop(index); });
        });
    }
    QObject::connect(
        picker.modules, &QListWidget::currentRowChanged, context,
        [&editor, act](int row) { act([&editor, row] { editor.modules.select(row); }); });
    QObject::connect(
        picker.targets, &QListWidget::currentRowChanged, context,
        [&editor, act](int row) { act([&editor, row] { editor.results.select(row); }); });
    QObject::connect(picker.add, &QPushButton::clicked, context,
                     [&editor, act] { act([&editor] { editor.pressAddOutput(); }); });
    QObject::connect(picker.remove, &QPushButton::clicked, context,
                     [&editor, act] { act([&editor] { editor.pressRemoveOutput(); }); });
}

void mirrorPicker(const ModulePicker& picker, const PagedEditor& editor) {
    mirrorList(picker.boards, editor.boards);
    if (picker.loops) {
        mirrorList(picker.loops, editor.loops);
    }
    mirrorList(picker.modules, editor.modules);
    mirrorList(picker.targets, editor.results);
    picker.add->setEnabled(editor.addOutputEnabled);
    picker.remove->setEnabled(editor.removeOutputEnabled);
}

InputSide inputSide(QGroupBox* group, PagerBar& pager, const QString& caption,
                    const QString& inputsName) {
    InputSide side{checkBox(group, "Reg", "reg"), dropDown(group, "inputBoards"),
                   dropDown(group, "inputLoops"), listBox(group, inputsName)};
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("IO-Board", group));
    row->addWidget(side.boards);
    row->addWidget(new QLabel("Loop", group));
    row->addWidget(side.loops);
    row->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(pager.pagingRow());
    layout->addLayout(pager.movingRow());
    layout->addWidget(side.reg);
    layout->addLayout(row);
    layout->addWidget(new QLabel(caption, group));
    layout->addWidget(side.inputs, 1);
    return side;
}

void connectInputSide(const InputSide& side, QObject* context, const EditorAction& act,
                      const InputActions& actions) {
    QObject::connect(side.reg, &QCheckBox::clicked, context,
                     [act, actions](bool on) { act([&] { actions.reg(on); }); });
    QObject::connect(side.boards, &QComboBox::activated, context,
                     [act, actions](int index) { act([&] { actions.board(index); }); });
    QObject::connect(side.loops, &QComboBox::activated, context,
                     [act, actions](int index) { act([&] { actions.loop(index); }); });
    QObject::connect(side.inputs, &QListWidget::currentRowChanged, context,
                     [act, actions](int row) { act([&] { actions.input(row); }); });
}

void mirrorInputSide(const InputSide& side, bool reg, const ListControl& boards,
                     const ListControl& loops, const ListControl& inputs) {
    mirrorCheck(side.reg, reg);
    mirrorList(side.boards, boards);
    mirrorList(side.loops, loops);
    mirrorList(side.inputs, inputs);
}

} // namespace qb::ui
