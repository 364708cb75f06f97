#pragma once

#include "PackedPointEditor.h"

#include <vector>

namespace qb {

class ConfigStore;
class Prompter;
struct DeviceRecord;

// A ManualCtrl module, which a hand control point takes as its input: its registration does not
// matter.
bool isManualCtrl(const DeviceRecord& device);

// "Manual Control Panel Setting": the hand control points, one per page. Each point ties a
// ManualCtrl module of this host to one output module, on this host or on another host of the
// network. The editor works on the working copy of the hand control table: the output bytes are
// written as soon as "<<" or ">>" is pressed, the input module and "Reg" when the page is left.
// Whoever runs the dialog restores the saved copy unless it ends with OK.
class HandControlEditor : public PackedPointEditor {
public:
    static constexpr const char* kTableFull = "The maximum number of hand control points is 3601!";

    HandControlEditor(ConfigStore& store, Prompter& prompter);

    // Fills the lists and shows point 1, beginning a new point when the table has none.
    void open();

    int pageCount() const override;
    PageState pageState() const override;

    // The point's input module and "Reg".
    bool reg = false;
    ListControl inputBoards; // the fitted IO boards, "01".."40"
    ListControl inputLoops;  // "01", "02"
    ListControl manualCtrls; // "Addr+Produc Type": "%03d ManualCtrl"

    // The module side: "Host", then the base's boards ("IO-Board"), loops ("Loop") and modules
    // ("Module List"); `results` is the "Result List" with the point's one output.
    ListControl hosts;

    // Actions.
    void chooseInputBoard(int index);
    void chooseInputLoop(int index);
    void chooseHost(int index);
    void chooseBoard(int index) override;
    void chooseLoop(int index) override;

private:
    std::string missingParts() const override;
    void storeRecord(int index) override;
    void showRecord(int index) override;
    void showNoPage() override;
    void beginRecord(int index) override;
    void pageAdded() override;
    void addOutput(int index) override;
    void removeOutput(int index) override;

    bool ownHostChosen() const;
    void fillManualCtrls();
    void fillBoards();
    // Empties the module list until host, board and loop are chosen, saying which is missing.
    void awaitModules();
    void fillModules();

    ConfigStore& m_store;
    // The number behind each entry of `boards`: 1..40, 41 for "V1", 42 for "V2".
    std::vector<int> m_boardNumbers;

    // The input side as "Add" found it: the new point starts from it.
    struct InputChoice {
        int board = -1;
        int loop = -1;
        ListControl manualCtrls;
    };
    InputChoice m_inputBeforeAdd;
};

} // namespace qb
