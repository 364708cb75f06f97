#pragma once

#include "pages/DialogRunner.h"

#include <QPointer>

#include <functional>

class QWidget;

namespace qb::ui {

class FindDeviceView;
class FindingsDialog;

// Shows the main window's modal dialogs over `parent`.
class WidgetDialogRunner : public DialogRunner {
public:
    // `windowChanged` is called after a window that stays open (the findings) changed what the
    // main window shows.
    explicit WidgetDialogRunner(
        QWidget* parent, std::function<void()> windowChanged = [] {})
        : m_parent(parent), m_windowChanged(std::move(windowChanged)) {}

    bool runColumnBatch(ColumnBatchDialog& dialog) override;
    bool runPositionDescription(PositionDescriptionDialog& dialog) override;
    void showAbout(const std::filesystem::path& dataFolder) override;
    bool runLinkageEditor(LinkageEditor& editor) override;
    bool runKeypadEditor(KeypadEditor& editor) override;
    bool runMimicLedEditor(MimicLedEditor& editor) override;
    bool runHandControlEditor(HandControlEditor& editor) override;
    bool runHydrantEditor(HydrantEditor& editor) override;
    bool runBroadcastControllerEditor(BroadcastControllerEditor& editor) override;
    bool runBroadcastPointEditor(BroadcastPointEditor& editor) override;
    bool runBatchPlacement(BatchPlacementEditor& editor) override;
    bool runGasZoneEditor(GasZoneEditor& editor) override;
    void runWithProgress(const std::string& label, int steps,
                         const std::function<void(const ProgressStep&)>& work) override;
    void showFindings(const FindingsCheck& check,
                      const std::function<void(const Finding&)>& show) override;
    void showReport(const std::vector<ReportSection>& sections,
                    const std::string& pdfSuggestion) override;
    void showFindDevice(FindDeviceDialog& dialog, const std::function<bool()>& showChosen) override;

private:
    QWidget* m_parent;
    std::function<void()> m_windowChanged;
    QPointer<FindingsDialog> m_findings;
    QPointer<FindDeviceView> m_findDevice;
};

} // namespace qb::ui
