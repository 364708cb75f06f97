#include "ColumnDialogs.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "devices/KeypadEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <functional>

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
        m_pageLabel->setText(qs(m_editor.pageLabel()));
        if (m_to->text() != qs(m_editor.toText)) {
            const QSignalBlocker block(m_to);
            m_to->setText(qs(m_editor.toText));
        }
        m_lastPage->setEnabled(m_editor.prevEnabled);
        m_nextPage->setEnabled(m_editor.nextEnabled);
        m_add->setEnabled(m_editor.addEnabled);
        m_del->setEnabled(m_editor.delEnabled);
        mirrorCheck(m_reg, m_editor.reg, true);
        mirrorCheck(m_fieldDevice, m_editor.fieldDevice, m_editor.fieldDeviceEnabled);
        mirrorList(m_button, m_editor.buttons);
        mirrorList(m_loopBoards, m_editor.boards);
        m_loopBoards->setEnabled(m_editor.boardsEnabled());
        mirrorList(m_modules, m_editor.modules);
        mirrorList(m_outputs, m_editor.results);
        m_addTarget->setEnabled(m_editor.addOutputEnabled);
        m_removeTarget->setEnabled(m_editor.removeOutputEnabled);
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
        m_pageLabel = new QLabel(group);
        m_pageLabel->setObjectName("pageLabel");
        m_pageLabel->setMinimumWidth(m_pageLabel->fontMetrics().horizontalAdvance("Cond. 00/00"));
        auto* to = button(group, "To", "to");
        m_to = new QLineEdit(group);
        m_to->setObjectName("toPage");
        m_to->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_to));
        m_to->setMaxLength(2); // at most 50 points
        m_to->setMaximumWidth(m_to->fontMetrics().horizontalAdvance("0000") + 12);
        m_lastPage = button(group, "LastPage", "lastPage");
        m_nextPage = button(group, "NextPage", "nextPage");
        m_add = button(group, "Add", "add");
        m_del = button(group, "Del", "del");
        m_reg = checkBox(group, "Reg", "reg");
        m_fieldDevice = checkBox(group, "Field device", "fieldDevice");
        m_button = new QComboBox(group);
        m_button->setObjectName("button");

        auto* paging = new QHBoxLayout;
        paging->addWidget(m_pageLabel);
        paging->addStretch();
        paging->addWidget(to);
        paging->addWidget(m_to);
        paging->addWidget(new QLabel("Page", group));
        auto* moving = new QHBoxLayout;
        for (QPushButton* b : {m_lastPage, m_nextPage, m_add, m_del}) {
            moving->addWidget(b);
        }
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
        layout->addLayout(paging);
        layout->addLayout(moving);
        layout->addLayout(checks);
        layout->addLayout(buttonRow);
        layout->addStretch();

        connect(to, &QPushButton::clicked, this, [this] { act([this] { m_editor.pressTo(); }); });
        connect(m_to, &QLineEdit::returnPressed, this,
                [this] { act([this] { m_editor.pressTo(); }); });
        connect(m_lastPage, &QPushButton::clicked, this,
                [this] { act([this] { m_editor.pressPrev(); }); });
        connect(m_nextPage, &QPushButton::clicked, this,
                [this] { act([this] { m_editor.pressNext(); }); });
        connect(m_add, &QPushButton::clicked, this,
                [this] { act([this] { m_editor.pressAdd(); }); });
        connect(m_del, &QPushButton::clicked, this,
                [this] { act([this] { m_editor.pressDel(); }); });
        connect(m_reg, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.reg = checked; }); });
        connect(m_fieldDevice, &QCheckBox::clicked, this,
                [this](bool checked) { act([&] { m_editor.setFieldDevice(checked); }); });
        connect(m_button, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.buttons.select(index); }); });
        return group;
    }

    QGroupBox* buildTarget() {
        const ModulePicker picker =
            modulePicker(this, "Target", "Outputs", "outputs", "addTarget", "removeTarget");
        m_loopBoards = picker.boards;
        m_modules = picker.modules;
        m_outputs = picker.targets;
        m_addTarget = picker.add;
        m_removeTarget = picker.remove;

        connect(m_loopBoards, &QComboBox::activated, this,
                [this](int index) { act([&] { m_editor.chooseBoard(index); }); });
        connect(m_modules, &QListWidget::currentRowChanged, this,
                [this](int row) { act([&] { m_editor.modules.select(row); }); });
        connect(m_outputs, &QListWidget::currentRowChanged, this,
                [this](int row) { act([&] { m_editor.results.select(row); }); });
        connect(m_addTarget, &QPushButton::clicked, this,
                [this] { act([this] { m_editor.pressAddOutput(); }); });
        connect(m_removeTarget, &QPushButton::clicked, this,
                [this] { act([this] { m_editor.pressRemoveOutput(); }); });
        return picker.group;
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
        m_editor.toText = u16(m_to->text());
        action();
        refresh();
    }

    void pressOk() {
        if (m_finished) {
            return;
        }
        m_editor.toText = u16(m_to->text());
        if (m_editor.pressOk()) {
            m_finished = true;
            accept();
        } else {
            refresh();
        }
    }

    KeypadEditor& m_editor;
    bool m_finished = false;

    QLabel* m_pageLabel = nullptr;
    QLineEdit* m_to = nullptr;
    QPushButton* m_lastPage = nullptr;
    QPushButton* m_nextPage = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_del = nullptr;
    QCheckBox* m_reg = nullptr;
    QCheckBox* m_fieldDevice = nullptr;
    QComboBox* m_button = nullptr;
    QComboBox* m_loopBoards = nullptr;
    QListWidget* m_modules = nullptr;
    QListWidget* m_outputs = nullptr;
    QPushButton* m_addTarget = nullptr;
    QPushButton* m_removeTarget = nullptr;
};

} // namespace

bool WidgetDialogRunner::runKeypadEditor(KeypadEditor& editor) {
    KeypadDialog dialog(editor, m_parent);
    dialog.refresh();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb::ui
