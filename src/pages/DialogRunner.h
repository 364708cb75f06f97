#pragma once

#include "check/ConfigReport.h"
#include "check/Finding.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qb {

class BatchPlacementEditor;
class BroadcastControllerEditor;
class BroadcastPointEditor;
class ColumnBatchDialog;
class FindDeviceDialog;
class GasZoneEditor;
class HandControlEditor;
class HydrantEditor;
class KeypadEditor;
class LinkageEditor;
class MimicLedEditor;
class PositionDescriptionDialog;

// Runs the configuration check, for the controller (true) or for work in progress.
using FindingsCheck = std::function<std::vector<Finding>(bool forController)>;

// Tells how many of a job's steps are done.
using ProgressStep = std::function<void(int done)>;

// Runs the modal dialogs the main window starts. The window system's implementation shows them;
// tests script them. Each returns true when the dialog closed with OK.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;

    virtual bool runColumnBatch(ColumnBatchDialog& dialog) = 0;
    virtual bool runPositionDescription(PositionDescriptionDialog& dialog) = 0;
    // The About box, naming the Data folder of this run.
    virtual void showAbout(const std::filesystem::path& dataFolder) = 0;
    // A linkage editor after its open(); the view ends with OK only when pressOk() allows it,
    // and calls pressExit() on "Exit"/"Cancel" and on the close box.
    virtual bool runLinkageEditor(LinkageEditor& editor) = 0;
    // The same for the keypad editor (OK / Exit) and the mimic LED editor (Save / Cancel).
    virtual bool runKeypadEditor(KeypadEditor& editor) = 0;
    virtual bool runMimicLedEditor(MimicLedEditor& editor) = 0;
    // The hand control point editor (OK / Exit).
    virtual bool runHandControlEditor(HandControlEditor& editor) = 0;
    // The four-wire hydrant editor (OK / Exit).
    virtual bool runHydrantEditor(HydrantEditor& editor) = 0;
    // The broadcast controller editor (OK / Cancel) and the broadcast point editor (OK / "Eixt").
    virtual bool runBroadcastControllerEditor(BroadcastControllerEditor& editor) = 0;
    virtual bool runBroadcastPointEditor(BroadcastPointEditor& editor) = 0;
    // The batch placement editor, after its open(): each "Set" writes by itself, so only "Eixt"
    // and the close box end it, and the answer is always false.
    virtual bool runBatchPlacement(BatchPlacementEditor& editor) = 0;
    // The gas zone parameter editor, after its open(): each OK writes by itself, so only
    // "Cancel" and the close box end it, and the answer is always false.
    virtual bool runGasZoneEditor(GasZoneEditor& editor) = 0;
    // Runs `work` at once behind a window that shows `label` and counts its `steps` as `work`
    // reports them; the window offers no way to stop it and is gone when `work` returns.
    virtual void runWithProgress(const std::string& label, int steps,
                                 const std::function<void(const ProgressStep&)>& work) = 0;
    // Lists what `check` finds in a window that stays open beside the main window and can run
    // it again; `show` brings a finding's page (board, loop) into the main window. A second
    // call brings the open window forward and checks again.
    virtual void showFindings(const FindingsCheck& check,
                              const std::function<void(const Finding&)>& show) = 0;
    // "Find Device" beside the main window, over `dialog`; `showChosen` brings the chosen hit's
    // place into the main window, false when no page shows it (the dialog's note says why). A
    // second call brings the open window forward.
    virtual void showFindDevice(FindDeviceDialog& dialog,
                                const std::function<bool()>& showChosen) = 0;
    // Shows the printable report until the installer closes it, with the ways to print it and
    // to save it as a PDF; `pdfSuggestion` is the file a PDF save offers first.
    virtual void showReport(const std::vector<ReportSection>& sections,
                            const std::string& pdfSuggestion) = 0;
};

} // namespace qb
