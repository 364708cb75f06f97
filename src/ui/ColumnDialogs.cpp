#include "ColumnDialogs.h"

#include "LinkageDialog.h"
#include "Mirror.h"
#include "pages/ColumnBatchDialog.h"
#include "pages/ModeSelection.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

// Calls `leave` whenever the watched edit box loses the focus.
class FocusOutFilter : public QObject {
public:
    FocusOutFilter(QObject* parent, std::function<void()> leave)
        : QObject(parent), m_leave(std::move(leave)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            m_leave();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_leave;
};

QLineEdit* addressBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), box));
    box->setMaxLength(10);
    return box;
}

// The address boxes and the buttons shared by both column dialogs. `leaveStart`, `leaveEnd`
// and `ok` forward to the logic, which owns the texts.
class ColumnDialogView : public QDialog {
public:
    ColumnDialogView(QWidget* parent, const std::u16string& caption, AddressRange& range)
        : QDialog(parent), m_range(range) {
        setWindowTitle(qs(caption));
        m_form = new QFormLayout;
        m_start = addressBox(this);
        m_end = addressBox(this);
        m_start->setObjectName("startAddress");
        m_end->setObjectName("endAddress");
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(m_form);
        auto* buttons = new QHBoxLayout;
        auto* ok = new QPushButton("OK", this);
        auto* cancel = new QPushButton("Cancel", this);
        ok->setObjectName("ok");
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        layout->addLayout(buttons);
        connect(ok, &QPushButton::clicked, this, [this] {
            takeTexts();
            if (m_ok()) {
                accept();
            } else {
                showTexts();
            }
        });
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

    void addAddressRows() {
        m_form->addRow("Start address:", m_start);
        m_form->addRow("End address:", m_end);
        m_start->installEventFilter(new FocusOutFilter(this, [this] { leave(m_start, true); }));
        m_end->installEventFilter(new FocusOutFilter(this, [this] { leave(m_end, false); }));
    }
    QFormLayout* form() { return m_form; }
    void onOk(std::function<bool()> ok) { m_ok = std::move(ok); }
    std::function<void()> leaveStart, leaveEnd;

private:
    void takeTexts() {
        m_range.startText = u16(m_start->text());
        m_range.endText = u16(m_end->text());
    }
    void showTexts() {
        m_start->setText(qs(m_range.startText));
        m_end->setText(qs(m_range.endText));
    }
    void leave(QLineEdit*, bool start) {
        if (m_leaving || !isVisible()) {
            return;
        }
        m_leaving = true;
        takeTexts();
        (start ? leaveStart : leaveEnd)();
        showTexts();
        m_leaving = false;
    }

    AddressRange& m_range;
    QFormLayout* m_form;
    QLineEdit* m_start;
    QLineEdit* m_end;
    std::function<bool()> m_ok;
    bool m_leaving = false;
};

} // namespace

bool WidgetDialogRunner::runColumnBatch(ColumnBatchDialog& dialog) {
    ColumnDialogView view(m_parent, dialog.caption, dialog.range);
    view.setObjectName("columnBatchDialog");
    auto* prompt = new QLabel(qs(dialog.prompt()), &view);
    auto* list = new QComboBox(&view);
    list->setObjectName("values");
    mirrorItems(list, dialog.items(), dialog.selected());
    QObject::connect(list, &QComboBox::activated, &view, [&](int index) { dialog.choose(index); });
    view.form()->addRow(prompt);
    view.form()->addRow(list);
    view.addAddressRows();
    view.leaveStart = [&] { dialog.leaveStart(); };
    view.leaveEnd = [&] { dialog.leaveEnd(); };
    view.onOk([&] { return dialog.pressOk(); });
    return view.exec() == QDialog::Accepted;
}

bool WidgetDialogRunner::runPositionDescription(PositionDescriptionDialog& dialog) {
    ColumnDialogView view(m_parent, dialog.caption, dialog.range);
    view.setObjectName("positionDescriptionDialog");
    view.addAddressRows();
    auto* description = new QLineEdit(&view);
    description->setObjectName("description");
    description->setMaxLength(PositionDescriptionDialog::kDescriptionLength);
    view.form()->addRow("Position Description:", description);
    view.leaveStart = [&] { dialog.leaveStart(); };
    view.leaveEnd = [&] { dialog.leaveEnd(); };
    view.onOk([&] {
        dialog.description = u16(description->text());
        return dialog.pressOk();
    });
    return view.exec() == QDialog::Accepted;
}

void WidgetDialogRunner::showAbout() {
    QMessageBox box(m_parent);
    box.setWindowTitle(qs(AboutText::kCaption));
    QStringList lines;
    for (auto line : AboutText::kLines) {
        lines << qs(line);
    }
    box.setText(lines.join('\n'));
    box.setIconPixmap(QApplication::windowIcon().pixmap(48, 48));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool WidgetDialogRunner::runLinkageEditor(LinkageEditor& editor) {
    return runLinkageDialog(m_parent, editor);
}

} // namespace qb::ui
