#pragma once

#include "HydrantChains.h"
#include "base/PagedEditor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qb {

class ConfigStore;
class Prompter;

// "Four wire  hydrant setting": one hydrant input per page, each with the hydrant modules it
// starts, either listed one by one or taken by a batch rule (every module of one board, or of
// all fitted boards). The pages are the table's used inputs in input order; a page reaches the
// table only by "Add" or OK, so moving between pages shows each as the table holds it. "Del"
// frees the page's records at once. Whoever runs the dialog restores the saved copy unless it
// ends with OK.
class HydrantEditor : public PagedEditor {
public:
    static constexpr const char* kChooseBoard = "Please choose the IO-board!";
    static constexpr const char* kChooseLoop = "First select a number loop!";
    static constexpr const char* kModuleAdded = "The hydrant module has been added!";
    static constexpr const char* kNoResult = "Please choose to remove the output results need!";
    static constexpr const char* kNoHydrant =
        "Without 'Hydrant', please go to 'Module/Detector Setup' settings!";
    static constexpr const char* kInputsFull = "The maximum number of hydrant inputs is 50!";
    static constexpr const char* kOutputsFull =
        "All 950 further hydrant output records are in use: no more outputs can be stored!";

    HydrantEditor(ConfigStore& store, Prompter& prompter);

    // Fills the lists and shows input 1, beginning a page when the table has none.
    void open();

    int pageCount() const override;
    PageState pageState() const override;

    // The input side and the batch rule; the module side and the "Result List" are the
    // mechanism's `boards`, `loops`, `modules` and `results`.
    bool reg = false;        // "Reg"
    ListControl inputBoards; // "IO-Board": the fitted boards, then "V1", "V2"
    ListControl inputLoops;  // "Loop": "01", "02"
    ListControl inputs;      // "Addr + Produc Type"
    ListControl batch;       // "IO-Board:" of "Batch Result List Setting": "None", "All", boards

    void chooseInputBoard(int index);
    void chooseInputLoop(int index);
    void chooseInput(int index);
    void chooseBatch(int index);
    void chooseBoard(int index) override;
    void chooseLoop(int index) override;
    void pressAddOutput() override;    // "<<"
    void pressRemoveOutput() override; // ">>"

private:
    // A board as the lists offer it: its code in the records, and its device file.
    struct BoardChoice {
        std::uint8_t code;
        int file;
    };
    // The page being edited; each field stays unset until chosen or read.
    struct Point {
        std::optional<std::uint8_t> board;
        std::optional<std::uint8_t> loop;
        std::optional<std::uint16_t> address;
        std::uint8_t rule = hydrant::kRuleList;
        std::vector<hydrant::Output> outputs;
    };

    std::string missingParts() const override;
    void storePage() override;
    void showPage() override;
    void showNoPage() override;
    std::optional<int> appendPage() override;
    int deletePage(int page) override;
    bool admitPage() override;

    // The input record of the page shown; -1 for a page not stored yet or none shown.
    int currentInput() const;
    // The further outputs the page may hold once stored.
    int outputRoom() const;
    int shownInputBoard() const;
    bool listFits(std::size_t outputs) const;
    std::vector<hydrant::Output> batchModules(int index) const;

    void fillInputs();
    void fillModules();
    void mirrorPoint();
    void mirrorResults();

    ConfigStore& m_store;
    std::vector<int> m_records; // per page: its input record, -1 while not stored
    std::vector<BoardChoice> m_boardChoices;
    std::vector<int> m_batchBoards; // the boards of `batch` after "None" and "All"
    Point m_point;
};

} // namespace qb
