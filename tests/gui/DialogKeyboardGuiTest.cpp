#include "DialogDriver.h"
#include "ui/FindingsDialog.h"
#include "ui/ModeSelectionDialog.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>

using namespace qb;
using namespace qb::test;

namespace {

constexpr QSize kSmallScreen(1024, 768);
// Rows that open no dialog through a command: the Mode Selection at start, and the column
// dialogs from a caption of the Detector/Module page.
constexpr int kAtStart = 0;
constexpr int kCaption = -1;
constexpr int kWorkColumn = 6;
constexpr int kPositionColumn = 7;

QRect onWindow(const QWidget* widget, QRect rect) {
    return rect.translated(widget->mapTo(widget->window(), QPoint(0, 0)));
}

using Place = QList<std::pair<const void*, QRect>>;

// The nested layouts of `layout` down to the one that holds `child`, each where it is on the
// window; false when none holds it.
bool findIn(QLayout* layout, const QWidget* child, Place& path) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayout* inner = layout->itemAt(i)->layout();
        if (layout->itemAt(i)->widget() == child) {
            return true;
        }
        if (inner) {
            path.append({inner, onWindow(layout->parentWidget(), inner->geometry())});
            if (findIn(inner, child, path)) {
                return true;
            }
            path.removeLast();
        }
    }
    return false;
}

// What holds `widget` in its window, from the window's layout down to the widget itself.
Place placeOf(QWidget* widget) {
    QList<QWidget*> chain;
    for (QWidget* w = widget; !w->isWindow(); w = w->parentWidget()) {
        chain.prepend(w);
    }
    Place path;
    for (QWidget* w : chain) {
        if (QLayout* layout = w->parentWidget()->layout()) {
            findIn(layout, w, path);
        }
        path.append({w, onWindow(w, w->rect())});
    }
    return path;
}

// Whether `next` does not read before `previous`: the two boxes that hold them apart under what
// holds both (a group box or a column of the layout reads as one) are on one row and read left
// to right, or the second is on a lower row.
bool readsAfter(QWidget* previous, QWidget* next) {
    const Place a = placeOf(previous);
    const Place b = placeOf(next);
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i].first == b[i].first) {
        ++i;
    }
    if (i == a.size() || i == b.size()) {
        return true; // one holds the other
    }
    const QRect& first = a[i].second;
    const QRect& second = b[i].second;
    const bool oneRow = first.top() <= second.bottom() && second.top() <= first.bottom();
    return oneRow ? second.left() >= first.left() : second.top() > first.top();
}

QString nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? widget->metaObject()->className()
                                          : widget->objectName();
}

// The texts of labels, buttons and list entries that their control shows less than whole.
QStringList cutTexts(QWidget* dialog) {
    QStringList cut;
    const auto check = [&](QWidget* control, const QString& text, int room) {
        for (const QString& line : text.split('\n')) {
            if (control->fontMetrics().horizontalAdvance(line) > room) {
                cut << nameOf(control) + ": " + line;
            }
        }
    };
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != dialog) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap()) {
            check(label, label->text(), label->contentsRect().width());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(b);
            const auto contents = qobject_cast<QPushButton*>(b)    ? QStyle::SE_PushButtonContents
                                  : qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                                   : QStyle::SE_CheckBoxContents;
            check(b, b->text(), b->style()->subElementRect(contents, &option, b).width());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(c);
            const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, c);
            for (int i = 0; i < c->count(); ++i) {
                check(c, c->itemText(i), field.width());
            }
        }
    }
    return cut;
}

} // namespace

class DialogKeyboardGuiTest : public QObject, private SessionFixture {
    Q_OBJECT

private:
    // Opens the dialog of a row, acts on it once it is active, and closes it.
    void onDialog(int command, int column, const std::function<void(QWidget*)>& act) {
        if (command == kAtStart) {
            ui::ModeSelectionDialog dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog) && makeActive(&dialog));
            act(&dialog);
        } else if (command == commands::kCheckConfiguration) {
            window().runCommand(command); // beside the main window, not modal
            auto* dialog = window().findChild<ui::FindingsDialog*>();
            QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog) && makeActive(dialog));
            act(dialog);
            dialog->close();
        } else if (command == kCaption) {
            window().runCommand(commands::kDeviceSetup);
            runDialogOpenedBy([&] { doubleClickCaption(window().grid(), column); }, act);
        } else {
            QVERIFY(!runDialog(command, act).isEmpty());
        }
    }

    // Tab from where the dialog opens until the focus is back there.
    static QList<QWidget*> tabRound(QWidget* dialog) {
        QList<QWidget*> visited;
        QWidget* start = QApplication::focusWidget();
        for (QWidget* at = start; at && !visited.contains(at); at = QApplication::focusWidget()) {
            visited << at;
            QTest::keyClick(at, Qt::Key_Tab);
        }
        if (QApplication::focusWidget() != start || (start && start->window() != dialog)) {
            QTest::qFail("Tab does not come round to where the dialog opened", __FILE__, __LINE__);
        }
        return visited;
    }

private slots:
    void init() {
        QVERIFY(startSession());
        store().ioBoards.working.registration(1) = 1;
        DeviceRecord& fan = store().devices(1).working.device(1, 5);
        fan.registration = 1;
        fan.productType = 52;
        fan.equipType = 48;
        fan.position.assign(u"Plant room fan");
        store().mimic.working.registration(1) = 1;
        store().zones.working.zone(2).registration = 1;
        store().gasZones.working.zone(2)[GasZoneTable::kRegistered] = 1;
    }

    void cleanup() { endSession(); }

    void eachDialog_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("column");
        using namespace commands;
        const std::pair<const char*, int> byCommand[] = {
            {"Mode Selection", kAtStart},
            {"About", kAboutBox},
            {"General Linkage", kGeneralLinkageSetup},
            {"Zone Linkage", kZoneLinkageSetup},
            {"Specific Linkage", kSpecificLinkageSetup},
            {"ZCP", kZcpSetup},
            {"MDM Linkage", kMimicLinkageSetup},
            {"Manual Control Panel", kHandControlSetup},
            {"Hydrant", kHydrantSetup},
            {"Broadcast Controller", kBroadcastControllerSetup},
            {"Broadcast Point", kBroadcastPointSetup},
            {"Batch Device Placement", kBatchDevicePlacement},
            {"Gas Zone Parameters", kGasZoneParameters},
            {"Check Configuration", kCheckConfiguration},
            {"Configuration Report", kPrintConfigurationReport},
        };
        for (const auto& [name, command] : byCommand) {
            QTest::newRow(name) << command << 0;
        }
        QTest::newRow("Column Batch") << kCaption << kWorkColumn;
        QTest::newRow("Position Description") << kCaption << kPositionColumn;
    }

    // Tab reads the dialog from the top left and reaches every control, every text shows whole,
    // and the dialog fits the smallest screen the program runs on.
    void eachDialog() {
        QFETCH(int, command);
        QFETCH(int, column);
        onDialog(command, column, [](QWidget* dialog) {
            const QList<QWidget*> round = tabRound(dialog);
            QVERIFY(!round.isEmpty());
            for (qsizetype i = 1; i < round.size(); ++i) {
                QVERIFY2(readsAfter(round[i - 1], round[i]),
                         qPrintable(nameOf(round[i - 1]) + " -> " + nameOf(round[i])));
            }
            for (QWidget* w : dialog->findChildren<QWidget*>()) {
                const bool takesTab = w->window() == dialog && w->isVisible() && w->isEnabled() &&
                                      (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
                QVERIFY2(!takesTab || round.contains(w), qPrintable(nameOf(w) + " not reached"));
            }
            const QStringList cut = cutTexts(dialog);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
            const QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
            QVERIFY(dialog->width() > QFontMetrics(title).horizontalAdvance(dialog->windowTitle()));
            QVERIFY(dialog->frameGeometry().width() <= kSmallScreen.width());
            QVERIFY(dialog->frameGeometry().height() <= kSmallScreen.height());
        });
    }

    void theMainWindowFitsTheSmallestScreen() {
        QVERIFY(window().frameGeometry().width() <= kSmallScreen.width());
        QVERIFY(window().frameGeometry().height() <= kSmallScreen.height());
    }

    // Enter in the description and Space on the first button past OK leave the positions alone:
    // an empty description would erase every position of the range.
    void noStrayKeyErasesPositions() {
        bool left = false;
        onDialog(kCaption, kPositionColumn, [&](QWidget* dialog) {
            typeAndLeave(dialog, "startAddress", "1", "endAddress");
            typeAndLeave(dialog, "endAddress", "10", "description");
            auto* description = control<QLineEdit>(dialog, "description");
            giveFocus(description, Qt::TabFocusReason);
            QTest::keyClick(description, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QWidget* at = description;
            do {
                QTest::keyClick(at, Qt::Key_Tab);
                at = QApplication::focusWidget();
            } while (at != description && (!qobject_cast<QPushButton*>(at) || nameOf(at) == "ok"));
            QCOMPARE(nameOf(at), QString("cancel"));
            QTest::keyClick(at, Qt::Key_Space);
            left = !dialog->isVisible();
        });
        QVERIFY(left);
        QCOMPARE(store().devices(1).working.device(1, 5).position.view(),
                 std::u16string_view(u"Plant room fan"));
    }

    // A screen reader sets a list's value without the click's activation: the editor follows all
    // the same. Choosing the shown zone again, by a click, still loads its stored values.
    void aListSetWithoutAClickIsFollowed() {
        onDialog(commands::kGasZoneParameters, 0, [](QWidget* dialog) {
            auto* drive = control<QComboBox>(dialog, "valveDrive");
            const QString stored = drive->currentText();
            QVERIFY(stored != "Constant");
            drive->setCurrentIndex(drive->findText("Constant"));
            press(dialog, "ok");
            drive->setCurrentIndex(drive->findText(stored));
            auto* zones = control<QComboBox>(dialog, "zones");
            emit zones->activated(zones->currentIndex());
            QCOMPARE(drive->currentText(), QString("Constant"));
        });
        QCOMPARE(int(store().gasZones.saved.zone(2)[GasZoneTable::kValveDrive]), 10);
    }
};

QTEST_MAIN(DialogKeyboardGuiTest)
#include "DialogKeyboardGuiTest.moc"
