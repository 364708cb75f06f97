#pragma once

#include "pages/DialogRunner.h"

class QWidget;

namespace qb::ui {

// Shows the main window's modal dialogs over `parent`.
class WidgetDialogRunner : public DialogRunner {
public:
    explicit WidgetDialogRunner(QWidget* parent) : m_parent(parent) {}

    bool runColumnBatch(ColumnBatchDialog& dialog) override;
    bool runPositionDescription(PositionDescriptionDialog& dialog) override;
    void showAbout() override;
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

private:
    QWidget* m_parent;
};

} // namespace qb::ui
