#include "InputSide.h"

#include "DialogWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace qb::ui {

InputSide::InputSide(QWidget* group, QVBoxLayout* layout, QCheckBox* reg, const Names& names)
    : boards(dropDown(group, "inputBoards")), loops(dropDown(group, "inputLoops")),
      inputs(listBox(group, names.inputsName)) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("IO-Board", group));
    row->addWidget(boards);
    row->addWidget(new QLabel("Loop", group));
    row->addWidget(loops);
    row->addStretch();
    layout->addWidget(reg);
    layout->addLayout(row);
    layout->addWidget(new QLabel(names.caption, group));
    layout->addWidget(inputs, 1);
}

} // namespace qb::ui
