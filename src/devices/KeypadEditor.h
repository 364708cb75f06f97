#pragma once

#include "base/EditorControls.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qb {

class ConfigStore;
class Prompter;

// "Manual Control Panel Setting": the zone control panel keypad points, one per page. Each point
// ties one of the panel's 32 buttons to one target, an output module on loop 1 of a fitted IO
// board or a zone. The editor works on the working copy of the keypad table; the target bytes
// are written as soon as "<<" or ">>" is pressed, the button, kind and "Reg" when the page is
// left. Exit restores the saved copy.
class KeypadEditor {
public:
    // What leaving the page would find.
    enum class PageState { Complete, Empty, Incomplete };

    static constexpr const char* kNotComplete = "The Page content not complete!";
    static constexpr const char* kPointLimit = "The maximum number of hand control points is 50!";
    static constexpr const char* kNoModule = "Please select in the list of module !";
    static constexpr const char* kNoTarget = "Please select in the list of output results !";
    static constexpr int kButtons = 32;

    KeypadEditor(ConfigStore& store, Prompter& prompter);

    // Fills the lists and shows point 1, beginning a new point when the table has none.
    void open();

    // 1-based number of the shown point; 0 while none is shown.
    int page() const { return m_record ? *m_record + 1 : 0; }
    int pointCount() const;
    std::u16string pageLabel() const; // "Cond. %ld/%ld"
    PageState pageState() const;
    // "Loop-B" only offers boards while the point's target is a field device.
    bool boardsEnabled() const { return fieldDevice; }

    // Controls.
    std::u16string toText;
    bool reg = false;         // "Reg"
    bool fieldDevice = false; // "Field device"; switch it through setFieldDevice()
    // "Field device" stays put while a target is held, so the kind byte cannot disagree with
    // the target bytes written by "<<".
    bool fieldDeviceEnabled = false;
    ListControl buttons; // "Button on the ZCP": "Button No.01" .. "Button No.32"
    ListControl boards;  // "Loop-B": the fitted IO boards
    ListControl loops;   // hidden: "01", "02"; every board choice selects "01"
    ListControl modules; // "Module List": output modules of the board, or the zones in use
    ListControl outputs; // "Outputs": the point's target line
    bool lastPageEnabled = false;
    bool nextPageEnabled = false;
    bool addEnabled = false;
    bool delEnabled = false;
    bool addTargetEnabled = false;    // "<<"
    bool removeTargetEnabled = false; // ">>"

    // Actions.
    void pressTo();
    void pressLastPage();
    void pressNextPage();
    void pressAdd();
    void pressDel();
    void setFieldDevice(bool on);
    void chooseBoard(int index);
    void pressAddTarget();    // "<<"
    void pressRemoveTarget(); // ">>"
    // True when the dialog ends with OK (the main window then writes KPAD.BIN).
    bool pressOk();
    // "Exit" and the close box: the saved copy comes back.
    void pressExit();

private:
    std::span<std::uint8_t> record(int index);
    std::span<const std::uint8_t> record(int index) const;
    std::optional<int> currentRecord() const;
    std::optional<int> firstFreeRecord() const;

    bool leaveAllowed();
    void storePage();
    void showPage();
    void showEmpty();
    void goToPage(int page);
    void beginPoint(int index);
    void clearRecord(int index);
    // Takes point `index` out; the points after it move up one record.
    void removePoint(int index);
    void fillModules();
    void updateTargetButtons();
    std::u16string storedTargetLine(std::span<const std::uint8_t> bytes) const;

    ConfigStore& m_store;
    Prompter& m_prompter;
    std::optional<int> m_record;
};

} // namespace qb
