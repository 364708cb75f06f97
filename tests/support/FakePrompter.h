#pragma once

#include "base/Prompter.h"
#include "pages/DialogRunner.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qb::test {

// Records every message as it is raised, and answers questions from a script (OK by default).
class FakePrompter : public Prompter {
public:
    struct Message {
        std::string text;
        std::string caption;
        bool operator==(const Message&) const = default;
    };

    void inform(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
    bool confirm(const std::string& text, const std::string& caption) override {
        questions.push_back({text, caption});
        if (answers.empty()) {
            return true;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const Message& m : messages) {
            result.push_back(m.text);
        }
        return result;
    }

    std::vector<Message> messages;
    std::vector<Message> questions;
    std::deque<bool> answers;
};

// Runs the dialogs with scripted actions; a dialog without a script is cancelled.
class FakeDialogs : public DialogRunner {
public:
    bool runColumnBatch(ColumnBatchDialog& dialog) override {
        ++columnBatchRuns;
        return columnBatch ? columnBatch(dialog) : false;
    }
    bool runPositionDescription(PositionDescriptionDialog& dialog) override {
        ++positionRuns;
        return positionDescription ? positionDescription(dialog) : false;
    }
    void showAbout(const std::filesystem::path&) override { ++aboutShown; }
    bool runKeypadEditor(KeypadEditor& editor) override {
        ++keypadRuns;
        return keypadEditor ? keypadEditor(editor) : false;
    }
    bool runMimicLedEditor(MimicLedEditor& editor) override {
        ++mimicLedRuns;
        return mimicLedEditor ? mimicLedEditor(editor) : false;
    }
    bool runHandControlEditor(HandControlEditor& editor) override {
        ++handControlRuns;
        return handControlEditor ? handControlEditor(editor) : false;
    }
    bool runHydrantEditor(HydrantEditor& editor) override {
        ++hydrantRuns;
        return hydrantEditor ? hydrantEditor(editor) : false;
    }
    bool runBroadcastControllerEditor(BroadcastControllerEditor& editor) override {
        ++broadcastControllerRuns;
        return broadcastControllerEditor ? broadcastControllerEditor(editor) : false;
    }
    bool runBroadcastPointEditor(BroadcastPointEditor& editor) override {
        ++broadcastPointRuns;
        return broadcastPointEditor ? broadcastPointEditor(editor) : false;
    }
    bool runBatchPlacement(BatchPlacementEditor& editor) override {
        ++batchPlacementRuns;
        return batchPlacement ? batchPlacement(editor) : false;
    }
    bool runGasZoneEditor(GasZoneEditor& editor) override {
        ++gasZoneRuns;
        return gasZoneEditor ? gasZoneEditor(editor) : false;
    }
    bool runLinkageEditor(LinkageEditor& editor) override {
        ++linkageRuns;
        return linkageEditor ? linkageEditor(editor) : false;
    }
    // Runs the work at once, keeping the label, the step count and every step reported.
    void runWithProgress(const std::string& label, int steps,
                         const std::function<void(const ProgressStep&)>& work) override {
        progressLabel = label;
        progressSteps = steps;
        work([this](int done) { progressReported.push_back(done); });
    }

    // Keeps what the window would list and how it would show a place.
    void showFindings(const FindingsCheck& check,
                      const std::function<void(const Finding&)>& show) override {
        ++findingsShown;
        findings = check(false);
        showFinding = show;
    }
    // Keeps the "Find Device" dialog and how the window would show its chosen hit.
    void showFindDevice(FindDeviceDialog& dialog,
                        const std::function<bool()>& showChosen) override {
        findDevice = &dialog;
        showFoundHit = showChosen;
    }
    // Keeps the report the window would show.
    void showReport(const std::vector<ReportSection>& sections,
                    const std::string& pdfSuggestion) override {
        ++reportShown;
        reportSections = sections;
        reportPdf = pdfSuggestion;
    }

    std::function<bool(ColumnBatchDialog&)> columnBatch;
    std::function<bool(PositionDescriptionDialog&)> positionDescription;
    std::function<bool(LinkageEditor&)> linkageEditor;
    int linkageRuns = 0;
    int findingsShown = 0;
    std::vector<Finding> findings;
    std::function<void(const Finding&)> showFinding;
    FindDeviceDialog* findDevice = nullptr;
    std::function<bool()> showFoundHit;
    int reportShown = 0;
    std::vector<ReportSection> reportSections;
    std::string reportPdf;
    std::function<bool(KeypadEditor&)> keypadEditor;
    std::function<bool(MimicLedEditor&)> mimicLedEditor;
    int keypadRuns = 0;
    std::function<bool(HandControlEditor&)> handControlEditor;
    int handControlRuns = 0;
    int mimicLedRuns = 0;
    std::function<bool(HydrantEditor&)> hydrantEditor;
    int hydrantRuns = 0;
    std::function<bool(BroadcastControllerEditor&)> broadcastControllerEditor;
    int broadcastControllerRuns = 0;
    std::function<bool(BroadcastPointEditor&)> broadcastPointEditor;
    int broadcastPointRuns = 0;
    std::function<bool(BatchPlacementEditor&)> batchPlacement;
    int batchPlacementRuns = 0;
    std::function<bool(GasZoneEditor&)> gasZoneEditor;
    int gasZoneRuns = 0;
    int columnBatchRuns = 0;
    int positionRuns = 0;
    int aboutShown = 0;
    std::string progressLabel;
    int progressSteps = 0;
    std::vector<int> progressReported;
};

} // namespace qb::test
