#include <QtTest>
class MimicLedDialogGuiTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(MimicLedDialogGuiTest)
#include "MimicLedDialogGuiTest.moc"
