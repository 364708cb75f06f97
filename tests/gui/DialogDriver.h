#pragma once

#include "ModalHelper.h"
#include "app/Session.h"
#include "pages/MainMenu.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

// Drives dialogs as an installer would, by the controls' object names, and checks that each
// step took (so a view that drops an action fails at the step, not later).
namespace qb::test {

template <class W> W* control(QWidget* dialog, const char* name) {
    W* found = dialog->findChild<W*>(name);
    if (!found) {
        QTest::qFail(qPrintable(QString("no control \"%1\"").arg(name)), __FILE__, __LINE__);
    }
    return found;
}

// Picks the entry with this text, and checks the view kept it after mirroring back.
inline void choose(QWidget* dialog, const char* name, const QString& text) {
    auto* combo = control<QComboBox>(dialog, name);
    QVERIFY(combo);
    QVERIFY2(combo->isEnabled(), name);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(QString("%1 has no \"%2\"").arg(name, text)));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QCOMPARE(combo->currentText(), text);
}

// Clicks the box's indicator; the tick must turn over.
inline void tick(QWidget* dialog, const char* name) {
    auto* box = control<QCheckBox>(dialog, name);
    QVERIFY(box);
    QVERIFY(box->isEnabled());
    const bool before = box->isChecked();
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    QCOMPARE(box->isChecked(), !before);
}

inline void press(QWidget* dialog, const char* name) {
    auto* button = control<QPushButton>(dialog, name);
    QVERIFY(button);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void selectRow(QWidget* dialog, const char* name, const QString& text) {
    auto* list = control<QListWidget>(dialog, name);
    QVERIFY(list);
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(QString("%1 has no \"%2\"").arg(name, text)));
    list->setCurrentRow(list->row(found[0]));
    QCOMPARE(list->currentItem()->text(), text);
}

// Brings the window to the front and waits until it is the active one. The window system's own
// answer does not do: a dialog counts as active while its parent window is, even when that
// window has taken the activation back.
// A double-click on a grid's column caption (Qt 6.4 sends only the double-click event itself,
// so a click goes first).
inline void doubleClickCaption(QTableWidget* grid, int column) {
    QHeaderView* header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
}

inline bool makeActive(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Gives the control the focus as the installer's move `reason` would. Its window is made active
// first: focus given in an inactive window arrives later as the window's own activation, which
// no control takes for the installer's move.
inline void giveFocus(QWidget* control, Qt::FocusReason reason) {
    QVERIFY(control);
    QVERIFY(makeActive(control->window()));
    control->setFocus(reason);
    QTRY_VERIFY(control->hasFocus());
}

// Types into an edit box, then moves the focus on so the box is left as by Tab.
inline void typeAndLeave(QWidget* dialog, const char* name, const QString& text, const char* next) {
    auto* box = control<QLineEdit>(dialog, name);
    auto* following = control<QWidget>(dialog, next);
    QVERIFY(box && following);
    giveFocus(box, Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    giveFocus(following, Qt::TabFocusReason);
}

// A running program over a fresh temporary folder, with a recording prompter.
class SessionFixture {
protected:
    ui::MainWindow& window() { return m_session->window(); }
    ConfigStore& store() { return m_session->store(); }
    std::filesystem::path dataFile(const char* name) { return store().dataFolder() / name; }

    // The entry of the main window's Tools menu with this label.
    QAction* toolsEntry(const QString& label) {
        for (QAction* menu : window().menuBar()->actions()) {
            for (QAction* entry :
                 menu->text() == "Tools" ? menu->menu()->actions() : QList<QAction*>{}) {
                if (entry->text() == label) {
                    return entry;
                }
            }
        }
        return nullptr;
    }

    StartOptions options() const {
        StartOptions o;
        o.programFolder = m_folder->path();
        o.lockFolder = m_folder->path();
        return o;
    }

    // Starts the program under system code 2 and waits for its window to be shown and active, so
    // that no late activation of it takes the focus from a dialog opened afterwards.
    bool startSession() {
        m_folder = std::make_unique<TempDir>();
        m_prompter = {};
        m_session = Session::start(options(), m_prompter, [] { return SystemCode::TwoLoopSo3; });
        if (!m_session) {
            return false;
        }
        return QTest::qWaitForWindowExposed(&window()) && makeActive(&window());
    }

    void endSession() {
        m_session.reset();
        m_folder.reset();
    }

    // Runs a menu command and acts on the dialog it opens; the dialog is closed afterwards
    // whatever happened, so a failing step cannot leave the test waiting on it. Returns the
    // dialog's caption.
    QString runDialog(int command, const std::function<void(QWidget*)>& act) {
        return runDialogOpenedBy([this, command] { window().runCommand(command); }, act);
    }
    // The same for the dialog the entry of the Tools menu with this label opens.
    QString runTool(const QString& label, const std::function<void(QWidget*)>& act) {
        QAction* entry = toolsEntry(label);
        if (!entry) {
            return {};
        }
        return runDialogOpenedBy([entry] { entry->trigger(); }, act);
    }
    QString runDialogOpenedBy(const std::function<void()>& open,
                              const std::function<void(QWidget*)>& act) {
        QString caption;
        whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            QVERIFY(makeActive(dialog));
            act(dialog);
            if (dialog->isVisible()) {
                dialog->close();
            }
        });
        open();
        return caption;
    }

    std::unique_ptr<TempDir> m_folder;
    FakePrompter m_prompter;
    std::unique_ptr<Session> m_session;
};

} // namespace qb::test
