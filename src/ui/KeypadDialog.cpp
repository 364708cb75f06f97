#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "PagedEditorView.h"
#include "devices/KeypadEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <functional>
#include <memory>

namespace qb::ui {

namespace {

void mirrorCheck(QCheckBox* box, bool checked, bool enabled) {
    const QSignalBlocker block(box);
    box->setChecked(checked);
    box->setEnabled(enabled);
}

// The window of the keypad editor. The editor decides everything; each user action is handed
// to it and then its whole state is copied back.
class KeypadDialog : public QDialog {
public:
    KeypadDialog(KeypadEditor& editor, QWidget* parent) : QDialog(parent), m_editor(editor) {
        setObjectName("keypadDialog");
        setWindowTitle("Manual Control Panel Setting");
        auto* sides = new QHBoxLayout;
        sides->addWidget(buildPoint());
        sides->addWidget(buildTarget(), 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(sides);
        layout->addLayout(buildButtons());
        resize(sizeHint().expandedTo(QSize(760, 380)));
    }

    void refresh() {
        m_pager->mirror(m_editor);
        mirrorCheck(m_reg, m_editor.reg, true);
        mirrorCheck(m_fieldDevice, m_editor.fieldDevice, m_editor.fieldDeviceEnabled);
        mirrorList(m_button, m_editor.buttons);
        mirrorPicker(m_picker, m_editor);
        m_picker.boards->setEnabled(m_editor.boardsEnabled());
    }

    // "Exit", Escape and the close box: the dialog ends without OK; whoever ran it restores the
    // table.
    void reject() override {
        m_finished = true;
        QDialog::reject();
    }

private:
    QGroupBox* buildPoint() {
        auto* group = new QGroupBox("Point", this);
        m_pager = std::make_unique<PagerBar>(
            group, PagerBar::Labels{"LastPage", "lastPage", "NextPage", "nextPage", 2});
        m_reg = checkBox(group, "Reg", "reg");
        m_fieldDevice = checkBox(group, "Field device", "fieldDevice");
        m_button = new QComboBox(group);
        m_button->setObjectName("button");

        auto* checks = new QHBoxLayout;
        checks->addWidget(m_reg);
        checks->addSpacing(24);
        checks->addWidget(m_fieldDevice);
        checks->addStretch();
        auto* buttonRow = new QHBoxLayout;
        buttonRow->addWidget(new QLabel("Button on the ZCP", group));
        buttonRow->addWidget(m_button);
        buttonRow->addStretch();
        auto* layout = new QVBoxLayout(group);
        layout->addLayout(m_pager->pagingRow());
        layout->addLayout(m_pager->movingRow());
        layout->addLayout(checks);
        layout->addLayout(buttonRow);
        layout->addStretch();

        m_pager->connectTo(m_editor, this, [this](const std::function<void()>& a) { act(a); });
        connect(m_reg, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.reg = checked; }); });
        connect(m_fieldDevice, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.setFieldDevice(checked); }); });
        connect(m_button, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.buttons.select(index); }); });
        return group;
    }

    QGroupBox* buildTarget() {
        m_picker = modulePicker(this, "Target", "Outputs", "outputs", "addTarget", "removeTarget");
        connectPicker(m_picker, m_editor, this, [this](const std::function<void()>& a) { act(a); });
        return m_picker.group;
    }

    QLayout* buildButtons() {
        auto* ok = button(this, "OK", "ok");
        auto* exit = button(this, "Exit", "exit");
        connect(ok, &QPushButton::clicked, this, [this] { pressOk(); });
        connect(exit, &QPushButton::clicked, this, &KeypadDialog::reject);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(ok);
        row->addWidget(exit);
        return row;
    }

    // Hands the typed page number to the editor, runs `action`, then mirrors the result.
    void act(const std::function<void()>& action) {
        if (m_finished) {
            return;
        }
        m_pager->takeText(m_editor);
        action();
        refresh();
    }

    void pressOk() {
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

    KeypadEditor& m_editor;
    bool m_finished = false;

    std::unique_ptr<PagerBar> m_pager;
    QCheckBox* m_reg = nullptr;
    QCheckBox* m_fieldDevice = nullptr;
    QComboBox* m_button = nullptr;
    ModulePicker m_picker{};
};

} // namespace

bool WidgetDialogRunner::runKeypadEditor(KeypadEditor& editor) {
    KeypadDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
