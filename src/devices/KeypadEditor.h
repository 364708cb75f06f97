#pragma once

#include "PackedPointEditor.h"

#include <string>

namespace qb {

class ConfigStore;
class Prompter;
struct KeypadPoint;

// "Manual Control Panel Setting": the zone control panel keypad points, one per page. Each point
// ties one of the panel's 32 buttons to one target, an output module on loop 1 of a fitted IO
// board or a zone. The editor works on the working copy of the keypad table; the target bytes
// are written as soon as "<<" or ">>" is pressed, the button, kind and "Reg" when the page is
// left. Exit restores the saved copy.
class KeypadEditor : public PackedPointEditor {
public:
    static constexpr const char* kPointLimit = "The maximum number of hand control points is 50!";
    static constexpr int kButtons = 32;

    KeypadEditor(ConfigStore& store, Prompter& prompter);

    // Fills the lists and shows point 1, beginning a new point when the table has none.
    void open();

    int pageCount() const override;
    PageState pageState() const override;
    // "Loop-B" only offers boards while the point's target is a field device.
    bool boardsEnabled() const { return fieldDevice; }

    // Controls beside the paging, the module side ("Loop-B", the hidden loops "01", "02" of
    // which every board choice selects "01", the "Module List") and "Outputs" (`results`).
    bool reg = false;         // "Reg"
    bool fieldDevice = false; // "Field device"; switch it through setFieldDevice()
    // "Field device" stays put while a target is held, so the kind byte cannot disagree with
    // the target bytes written by "<<".
    bool fieldDeviceEnabled = false;
    ListControl buttons; // "Button on the ZCP": "Button No.01" .. "Button No.32"

    // Actions.
    void setFieldDevice(bool on);
    void chooseBoard(int index) override;
    // "Exit" and the close box: the saved copy comes back.
    void pressExit();

private:
    std::string missingParts() const override;
    void storeRecord(int index) override;
    void showRecord(int index) override;
    void showNoPage() override;
    void beginRecord(int index) override;
    void pageAdded() override;
    void addOutput(int index) override;
    void removeOutput(int index) override;

    void fillModules();
    void updateTargetButtons();
    std::u16string storedTargetLine(const KeypadPoint& point) const;

    ConfigStore& m_store;
    // The button of the page left by "Add": the new point offers the next one.
    int m_buttonBeforeAdd = -1;
};

} // namespace qb
