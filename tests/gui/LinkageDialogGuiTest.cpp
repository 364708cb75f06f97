#include <QtTest>
class LinkageDialogGuiTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(LinkageDialogGuiTest)
#include "LinkageDialogGuiTest.moc"
