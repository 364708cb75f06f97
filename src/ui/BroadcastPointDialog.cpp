#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "PagedEditorDialog.h"
#include "devices/BroadcastPointEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

// The window of "Broadcasting control point setting": the point with its controller on the
// left, the B-modules and the page's "Result List" on the right.
class BroadcastPointDialog : public PagedEditorDialog {
public:
    BroadcastPointDialog(BroadcastPointEditor& editor, QWidget* parent)
        : PagedEditorDialog(editor, parent, {"LastPage", "lastPage", "NextPage", "nextPage", 3}),
          m_editor(editor) {
        setObjectName("broadcastPointDialog");
        setWindowTitle("Broadcasting control point setting");
        auto* sides = new QHBoxLayout;
        sides->addWidget(buildPoint());
        sides->addWidget(buildModules(), 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(sides);
        layout->addLayout(buildButtons("Eixt"));
        resize(sizeHint().expandedTo(QSize(820, 420)));
    }

    void refresh() override {
        pager().mirror(m_editor);
        mirrorCheck(m_reg, m_editor.reg());
        mirrorList(m_controllers, m_editor.controllers);
        mirrorList(m_points, m_editor.points);
        mirrorPicker(m_picker, m_editor);
    }

private:
    QGroupBox* buildPoint() {
        auto* group = new QGroupBox("Point", this);
        m_reg = checkBox(group, "Reg", "reg");
        m_controllers = dropDown(group, "controllers", 3);
        m_points = dropDown(group, "points", 3);

        pager().pagingRow()->insertWidget(0, new QLabel("Cond:", group));
        auto* controllerRow = new QHBoxLayout;
        controllerRow->addWidget(new QLabel("Broadcast Controller", group));
        controllerRow->addWidget(m_controllers);
        controllerRow->addStretch();
        auto* pointRow = new QHBoxLayout;
        pointRow->addWidget(new QLabel("B-Point", group));
        pointRow->addWidget(m_points);
        pointRow->addStretch();
        auto* layout = new QVBoxLayout(group);
        layout->addLayout(pager().pagingRow());
        layout->addLayout(pager().movingRow());
        layout->addWidget(m_reg);
        layout->addLayout(controllerRow);
        layout->addLayout(pointRow);
        layout->addStretch();

        connect(m_reg, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.setReg(checked); }); });
        connect(m_controllers, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseController(index); }); });
        connect(m_points, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.choosePoint(index); }); });
        return group;
    }

    // The module side: the board choice reads "IO-Board" here, with its "Loop" beside it.
    QGroupBox* buildModules() {
        m_picker =
            modulePicker(this, "B-module", "Result List", "results", "addOutput", "removeOutput");
        addLoopChoice(m_picker);
        connectPicker(m_picker, m_editor, this, forward());
        return m_picker.group;
    }

    BroadcastPointEditor& m_editor;
    QCheckBox* m_reg = nullptr;
    QComboBox* m_controllers = nullptr;
    QComboBox* m_points = nullptr;
    ModulePicker m_picker{};
};

} // namespace

bool WidgetDialogRunner::runBroadcastPointEditor(BroadcastPointEditor& editor) {
    BroadcastPointDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
