#include "DialogWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace qb::ui {

QPushButton* button(QWidget* parent, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QComboBox* dropDown(QWidget* parent, const QString& name, int contentLength) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setMinimumContentsLength(contentLength);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

QListWidget* listBox(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(160, 220);
    return list;
}

QLineEdit* digitsBox(QWidget* parent, const QString& name, int digits) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
    box->setMaxLength(digits);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QString(digits + 2, '0')) + 12);
    return box;
}

ModulePicker modulePicker(QWidget* parent, const QString& title, const QString& targetsLabel,
                          const QString& targetsName, const QString& addName,
                          const QString& removeName) {
    ModulePicker picker{};
    picker.group = new QGroupBox(title, parent);
    QGroupBox* group = picker.group;
    picker.boards = dropDown(group, "loopBoards");
    picker.modules = listBox(group, "modules");
    picker.targets = listBox(group, targetsName);
    picker.add = button(group, "<<", addName);
    picker.remove = button(group, ">>", removeName);

    auto* boardRow = new QHBoxLayout;
    picker.boardRow = boardRow;
    picker.boardLabel = new QLabel("Loop-B", group);
    boardRow->addWidget(picker.boardLabel);
    boardRow->addWidget(picker.boards);
    boardRow->addStretch();
    auto* targets = new QVBoxLayout;
    targets->addWidget(new QLabel(targetsLabel, group));
    targets->addWidget(picker.targets, 1);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(picker.add);
    moves->addWidget(picker.remove);
    moves->addStretch();
    auto* modules = new QVBoxLayout;
    modules->addLayout(boardRow);
    modules->addWidget(new QLabel("Module List", group));
    modules->addWidget(picker.modules, 1);
    auto* layout = new QHBoxLayout(group);
    layout->addLayout(targets, 1);
    layout->addLayout(moves);
    layout->addLayout(modules, 1);
    return picker;
}

void addLoopChoice(ModulePicker& picker) {
    picker.boardLabel->setText("IO-Board");
    picker.loops = dropDown(picker.group, "loops");
    QHBoxLayout* row = picker.boardRow;
    row->insertWidget(row->indexOf(picker.boards) + 1, new QLabel("Loop", picker.group));
    row->insertWidget(row->indexOf(picker.boards) + 2, picker.loops);
}

} // namespace qb::ui
