#include "ColumnDialogView.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "pages/AddressRange.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

constexpr int kAddressDigits = 10;

} // namespace

ColumnDialogView::ColumnDialogView(QWidget* parent, const std::u16string& caption, Logic logic)
    : QDialog(parent), m_logic(std::move(logic)), m_form(new QFormLayout),
      m_start(numberBox(this, "startAddress", kAddressDigits)),
      m_end(numberBox(this, "endAddress", kAddressDigits)) {
    setWindowTitle(qs(caption));
    // No default button: OK writes the range even with an empty value (an empty description
    // erases every position in it), so only a press on OK itself may do that, never Enter in a
    // box on the way through.
    auto* ok = button(this, "OK", "ok");
    auto* cancel = button(this, "Cancel", "cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addLayout(buttonRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, [this] {
        takeTexts();
        if (m_logic.ok()) {
            accept();
        } else {
            showTexts();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    frameDialog(this);
}

void ColumnDialogView::addAddressRows() {
    m_form->addRow("Start address:", m_start);
    m_form->addRow("End address:", m_end);
    m_start->installEventFilter(this);
    m_end->installEventFilter(this);
}

bool ColumnDialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_start) {
            leave(m_logic.leaveStart);
        } else if (watched == m_end) {
            leave(m_logic.leaveEnd);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ColumnDialogView::takeTexts() {
    m_logic.range.startText = u16(m_start->text());
    m_logic.range.endText = u16(m_end->text());
}

void ColumnDialogView::showTexts() {
    m_start->setText(qs(m_logic.range.startText));
    m_end->setText(qs(m_logic.range.endText));
}

void ColumnDialogView::leave(const std::function<void()>& leaveBox) {
    // The logic's answer may raise a message box, which takes the focus from the box again.
    if (m_leaving || !isVisible()) {
        return;
    }
    m_leaving = true;
    takeTexts();
    leaveBox();
    showTexts();
    m_leaving = false;
}

} // namespace qb::ui
