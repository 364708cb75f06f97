#include "WidgetDialogRunner.h"

#include "BatchPlacementDialog.h"
#include "BroadcastControllerDialog.h"
#include "BroadcastPointDialog.h"
#include "ColumnBatchView.h"
#include "FindDeviceView.h"
#include "FindingsDialog.h"
#include "GasZoneDialog.h"
#include "HandControlDialog.h"
#include "HydrantDialog.h"
#include "KeypadDialog.h"
#include "LinkageDialog.h"
#include "MimicLedDialog.h"
#include "Mirror.h"
#include "PositionDescriptionView.h"
#include "ReportDialog.h"
#include "pages/ModeSelection.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSysInfo>

namespace qb::ui {

namespace {

// Shows a dialog over `parent` that mirrored its logic as it was built; true when it ended with
// OK.
template <class Dialog, class Logic> bool runBuilt(QWidget* parent, Logic& logic) {
    Dialog dialog(logic, parent);
    return dialog.exec() == QDialog::Accepted;
}

// Counts a job's steps while the job runs in the same thread. There is no way out: a job stopped
// halfway would leave what a failure leaves, and it takes a fraction of a second anyway. While
// it is shown, each step lets the window system draw it; the main window takes no input.
class StepCounter : public QProgressDialog {
public:
    StepCounter(const QString& label, int steps, QWidget* parent)
        : QProgressDialog(label, QString(), 0, steps, parent) {
        auto* bar = new QProgressBar;
        bar->setFormat(QStringLiteral("%v / %m")); // "12 / 40" boards rather than a percentage
        setBar(bar);
        setRange(0, steps);
        setWindowModality(Qt::WindowModal);
        setMinimumDuration(0);
        setAutoReset(false);
        setAutoClose(false);
    }
    void showNow() {
        forceShow();
        setValue(0);
    }

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
    void reject() override {} // Escape
};

} // namespace

bool WidgetDialogRunner::runColumnBatch(ColumnBatchDialog& dialog) {
    return runBuilt<ColumnBatchView>(m_parent, dialog);
}

bool WidgetDialogRunner::runPositionDescription(PositionDescriptionDialog& dialog) {
    return runBuilt<PositionDescriptionView>(m_parent, dialog);
}

void WidgetDialogRunner::showAbout(const std::filesystem::path& dataFolder) {
    QMessageBox box(m_parent);
    box.setWindowTitle(qs(AboutText::kCaption));
    QStringList lines;
    for (const std::string& line :
         aboutLines(dataFolder, QSysInfo::prettyProductName().toStdString())) {
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

bool WidgetDialogRunner::runKeypadEditor(KeypadEditor& editor) {
    return runPagedDialog<KeypadDialog>(m_parent, editor);
}

bool WidgetDialogRunner::runMimicLedEditor(MimicLedEditor& editor) {
    return runBuilt<MimicLedDialog>(m_parent, editor);
}

bool WidgetDialogRunner::runHandControlEditor(HandControlEditor& editor) {
    return runPagedDialog<HandControlDialog>(m_parent, editor);
}

bool WidgetDialogRunner::runHydrantEditor(HydrantEditor& editor) {
    return runPagedDialog<HydrantDialog>(m_parent, editor);
}

bool WidgetDialogRunner::runBroadcastControllerEditor(BroadcastControllerEditor& editor) {
    return runBuilt<BroadcastControllerDialog>(m_parent, editor);
}

bool WidgetDialogRunner::runBroadcastPointEditor(BroadcastPointEditor& editor) {
    return runPagedDialog<BroadcastPointDialog>(m_parent, editor);
}

bool WidgetDialogRunner::runBatchPlacement(BatchPlacementEditor& editor) {
    runBuilt<BatchPlacementDialog>(m_parent, editor);
    return false;
}

bool WidgetDialogRunner::runGasZoneEditor(GasZoneEditor& editor) {
    runBuilt<GasZoneDialog>(m_parent, editor);
    return false;
}

void WidgetDialogRunner::runWithProgress(const std::string& label, int steps,
                                         const std::function<void(const ProgressStep&)>& work) {
    StepCounter counter(qs(label), steps, m_parent);
    counter.showNow();
    work([&counter](int done) { counter.setValue(done); });
}

void WidgetDialogRunner::showFindings(const FindingsCheck& check,
                                      const std::function<void(const Finding&)>& show) {
    if (m_findings) {
        m_findings->checkAgain();
    } else {
        auto* dialog = new FindingsDialog(
            check,
            [show, changed = m_windowChanged](const Finding& finding) {
                show(finding);
                changed();
            },
            m_parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_findings = dialog;
    }
    m_findings->show();
    m_findings->raise();
    m_findings->activateWindow();
}

void WidgetDialogRunner::showReport(const std::vector<ReportSection>& sections,
                                    const std::string& pdfSuggestion) {
    ReportDialog dialog(sections, qs(pdfSuggestion), m_parent);
    dialog.exec();
}

void WidgetDialogRunner::showFindDevice(FindDeviceDialog& dialog,
                                        const std::function<bool()>& showChosen) {
    if (m_findDevice) {
        m_findDevice->refresh();
    } else {
        auto* view = new FindDeviceView(
            dialog,
            [showChosen, changed = m_windowChanged] {
                const bool shown = showChosen();
                changed();
                return shown;
            },
            m_parent);
        view->setAttribute(Qt::WA_DeleteOnClose);
        m_findDevice = view;
    }
    m_findDevice->show();
    m_findDevice->raise();
    m_findDevice->activateWindow();
    m_findDevice->textBox()->setFocus();
    m_findDevice->textBox()->selectAll(); // typing replaces what was searched before
}

} // namespace qb::ui
