#include "MessageBoxPrompter.h"

#include "Mirror.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qb::ui {

namespace {

constexpr int kLinesInAPlainBox = 20;

void showScrollingBox(QWidget* parent, const QString& text, const QString& caption) {
    QDialog box(parent);
    box.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&box);
    auto* view = new QPlainTextEdit(text, &box);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.resize(640, 420);
    box.exec();
}

} // namespace

void MessageBoxPrompter::inform(const std::string& text, const std::string& caption) {
    const QString message = qs(text);
    if (message.count(QLatin1Char('\n')) >= kLinesInAPlainBox) {
        showScrollingBox(m_parent, message, qs(caption));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, qs(caption), message, QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxPrompter::confirm(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Warning, qs(caption), qs(text),
                    QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    return box.exec() == QMessageBox::Ok;
}

} // namespace qb::ui
