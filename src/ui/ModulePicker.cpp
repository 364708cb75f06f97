#include "ModulePicker.h"

#include "DialogWidgets.h"
#include "Mirror.h"
#include "base/PagedEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb::ui {

ModulePicker::ModulePicker(QWidget* parent, const Names& names)
    : QGroupBox(names.title, parent), m_boards(dropDown(this, "loopBoards")),
      m_modules(listBox(this, "modules")), m_targets(listBox(this, names.targetsName)),
      m_add(button(this, "<<", names.addName)), m_remove(button(this, ">>", names.removeName)) {
    m_boardRow = new QHBoxLayout;
    m_boardLabel = new QLabel("Loop-B", this);
    m_boardRow->addWidget(m_boardLabel);
    m_boardRow->addWidget(m_boards);
    m_boardRow->addStretch();
    auto* targets = new QVBoxLayout;
    targets->addWidget(new QLabel(names.targetsLabel, this));
    targets->addWidget(m_targets, 1);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(m_add);
    moves->addWidget(m_remove);
    moves->addStretch();
    m_modulesColumn = new QVBoxLayout;
    m_modulesColumn->addLayout(m_boardRow);
    m_modulesColumn->addWidget(new QLabel("Module List", this));
    m_modulesColumn->addWidget(m_modules, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(targets, 1);
    layout->addLayout(moves);
    layout->addLayout(m_modulesColumn, 1);
    if (names.loopChoice) {
        addLoopChoice();
    }
}

void ModulePicker::addLoopChoice() {
    m_boardLabel->setText("IO-Board");
    m_loops = dropDown(this, "loops");
    m_boardRow->insertWidget(m_boardRow->indexOf(m_boards) + 1, new QLabel("Loop", this));
    m_boardRow->insertWidget(m_boardRow->indexOf(m_boards) + 2, m_loops);
}

QHBoxLayout* ModulePicker::addRowAboveBoards() {
    auto* row = new QHBoxLayout;
    m_modulesColumn->insertLayout(m_modulesColumn->indexOf(m_boardRow), row);
    return row;
}

void ModulePicker::connectTo(PagedEditor& editor, QObject* context, const EditorAction& act) {
    // Choosing the shown board or loop again refills the module list.
    onChoice(
        m_boards, context,
        [&editor, act](int index) { act([&editor, index] { editor.chooseBoard(index); }); },
        Rechoice::Acts);
    if (m_loops) {
        onChoice(
            m_loops, context,
            [&editor, act](int index) { act([&editor, index] { editor.chooseLoop(index); }); },
            Rechoice::Acts);
    }
    connect(m_modules, &QListWidget::currentRowChanged, context,
            [&editor, act](int row) { act([&editor, row] { editor.modules.select(row); }); });
    connect(m_targets, &QListWidget::currentRowChanged, context,
            [&editor, act](int row) { act([&editor, row] { editor.results.select(row); }); });
    connect(m_add, &QPushButton::clicked, context,
            [&editor, act] { act([&editor] { editor.pressAddOutput(); }); });
    connect(m_remove, &QPushButton::clicked, context,
            [&editor, act] { act([&editor] { editor.pressRemoveOutput(); }); });
}

void ModulePicker::mirror(const PagedEditor& editor) {
    mirrorList(m_boards, editor.boards);
    if (m_loops) {
        mirrorList(m_loops, editor.loops);
    }
    mirrorList(m_modules, editor.modules);
    mirrorList(m_targets, editor.results);
    m_add->setEnabled(editor.addOutputEnabled);
    m_remove->setEnabled(editor.removeOutputEnabled);
}

} // namespace qb::ui
