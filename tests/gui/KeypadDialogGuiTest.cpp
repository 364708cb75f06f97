#include <QtTest>
class KeypadDialogGuiTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(KeypadDialogGuiTest)
#include "KeypadDialogGuiTest.moc"
