#include "DialogDriver.h"

#include <QTableWidget>

using namespace qb;

// A zone name typed through the cell editor is measured in bytes as the editor commits it.
class ByteLimitGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private:
    QLineEdit* openZoneName(int zone) {
        QTableWidget* grid = window().grid();
        const QRect cell = grid->visualRect(grid->model()->index(zone - 1, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QLineEdit* editor = window().cellTextEditor();
        return editor && QTest::qWaitFor([editor] { return editor->hasFocus(); }) ? editor
                                                                                  : nullptr;
    }

    // Typed one character at a time: QTest::keyClicks takes ASCII only.
    static void typeText(QLineEdit* editor, const QString& text) {
        editor->selectAll();
        for (const QChar ch : text) {
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(ch), {});
        }
    }

    static bool commit(QLineEdit* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        return QTest::qWaitFor([editor] { return !editor->isVisible(); });
    }

private slots:
    void init() { QVERIFY(startSession()); }

    void cleanup() { endSession(); }

    void aZoneNameOverItsBytesIsRefusedAndTheCellKeepsItsName() {
        QLineEdit* editor = openZoneName(3);
        QVERIFY(editor);
        QTest::keyClicks(editor, "Boiler");
        QVERIFY(commit(editor));
        QCOMPARE(window().grid()->item(2, 2)->text(), QString("Boiler"));

        QVERIFY(openZoneName(3) == editor);
        // The editor stops at twelve characters, "Küche Süd 北京": 18 bytes.
        typeText(editor, QString::fromUtf8("Küche Süd 北京北京"));
        QCOMPARE(editor->text(), QString::fromUtf8("Küche Süd 北京"));
        QVERIFY(commit(editor));
        QCOMPARE(window().grid()->item(2, 2)->text(), QString("Boiler"));
        QCOMPARE(m_prompter.texts(),
                 std::vector<std::string>{"Input string too long for Zone-3 Position!\nThe limit "
                                          "is 12 bytes; this text has 18 bytes."});
    }
};

QTEST_MAIN(ByteLimitGuiTest)
#include "ByteLimitGuiTest.moc"
