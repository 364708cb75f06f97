#pragma once

#include "base/PagedEditor.h"
#include "store/PanelTables.h"

#include <optional>
#include <string>
#include <vector>

namespace qb {

class ConfigStore;
class Prompter;
struct DeviceRecord;

// A registered broadcast module (B-module), the one kind of device a broadcast point switches.
bool isBModule(const DeviceRecord& device);

// "Broadcasting control point setting": one broadcast point per page, each tying a point of a
// registered broadcast controller to one B-module. The pages are held here while the dialog is
// open, each as the slot it is written as; only OK refills the working table with them, from
// the first slot on. A page read from the table is written back byte for byte unless edited.
class BroadcastPointEditor : public PagedEditor {
public:
    static constexpr const char* kNoBoard = "Please choose the IO-board!";
    static constexpr const char* kNoControllerPoint =
        "Please select a broadcast control panel or broadcast control hand control options!";
    static constexpr const char* kModuleAdded = "The module has been added!";
    static constexpr const char* kSameSettings = "The same settings!";
    static constexpr const char* kTableFull = "The maximum number of broadcast points is 254!";

    BroadcastPointEditor(ConfigStore& store, Prompter& prompter);

    // Reads the used slots into pages and shows page 1, or begins one when there is none.
    void open();

    int pageCount() const override { return static_cast<int>(m_pages.size()); }
    PageState pageState() const override;
    // The pages as they stand, in order.
    const std::vector<BroadcastPointTable::Slot>& pages() const { return m_pages; }

    // Controls beside the paging; the module side is "IO-Board" (`boards`), "Loop" (`loops`)
    // and "Module List" (`modules`), the page's B-module is the "Result List" (`results`).
    bool reg() const { return m_reg; }
    ListControl controllers; // "Broadcast Controller": the registered controllers
    ListControl points;      // "B-Point": 1 .. the chosen controller's size

    // Actions.
    void setReg(bool on);
    void chooseController(int index);
    void choosePoint(int index);
    void chooseBoard(int index) override;
    void chooseLoop(int index) override;
    void pressAddOutput() override;    // "<<"
    void pressRemoveOutput() override; // ">>"
    // Ends with the pages in the working table; refused while the shown page is incomplete.
    bool pressOk() override;

private:
    using Slot = BroadcastPointTable::Slot;

    std::string missingParts() const override;
    void storePage() override;
    void showPage() override;
    void showNoPage() override;
    std::optional<int> appendPage() override;
    int deletePage(int page) override;
    void pageAdded() override;
    bool admitPage() override;

    Slot& shown() { return m_pages.at(static_cast<std::size_t>(page() - 1)); }
    const Slot& shown() const { return m_pages.at(static_cast<std::size_t>(page() - 1)); }
    bool composing() const { return m_composing && page() == pageCount(); }
    // Another page than `index` (0-based) with the same controller, point and B-module.
    bool duplicated(const Slot& slot, int index) const;
    // Puts a changed controller or point on the shown page, unless that makes a stored page
    // the same as another one.
    void changeShown(const Slot& changed);
    void clearShown();
    void fillPoints();
    void updateOutputButtons();

    ConfigStore& m_store;
    std::vector<Slot> m_pages;
    bool m_reg = false;
    // The last page is begun and not stored yet.
    bool m_composing = false;
    // Its controller and point are the ones "Add" offered, not the installer's choice.
    bool m_carried = false;
    // The page "Add" stored before beginning the new one.
    int m_addedFrom = 0;
};

} // namespace qb
