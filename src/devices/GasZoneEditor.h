#pragma once

#include "base/EditorControls.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace qb {

class ConfigStore;
class Prompter;

// "Gas fire extinguishing zone parameter setting": how a registered gas zone releases. OK
// writes the chosen zone's record and the whole table's file at once, and the dialog stays open
// for the next zone; only "Cancel" ends it.
class GasZoneEditor {
public:
    // Writes the gas zone table's file for the current host and takes its saved copy, reporting
    // a failure; true when written.
    using TableWriter = bool (*)(ConfigStore& store, Prompter& prompter);

    static constexpr const char* kNoZoneRegistered = "Please register the fire zone!";
    static constexpr const char* kSelectZone = "Please select fire zone!";
    static constexpr const char* kTooFewDetectors =
        "The sum of smoke and the temperature sensor number must be greater than 1";
    static constexpr const char* kSaved = "Save success!";

    // The parameter lists, in the dialog's order.
    enum Parameter {
        ManualRelease, // "Allow", "Forbid"
        ManualDelay,   // "0s".."10s"
        HornButton,    // "Allow", "Forbid"
        ConfirmInput,  // "PresrSwith", "RelayDriver"
        ValveDrive,    // "Constant", "5", "10s".."30s"
        SmokeCount,    // "0".."10"
        HeatCount,     // "1".."10"
        ReleaseDelay,  // "0s".."30s"
        kParameters
    };

    GasZoneEditor(ConfigStore& store, Prompter& prompter, TableWriter write);

    // "Gas fire extinguishing zone:": the registered zones, ascending.
    ListControl zones;
    std::array<ListControl, kParameters> parameters;

    // Fills the lists with their defaults and shows the first registered zone; with none
    // registered, says so and leaves the zone list without a selection.
    void open();
    void chooseZone(int index);
    void chooseParameter(Parameter parameter, int index) { parameters[parameter].select(index); }
    // Stores the lists into the chosen zone's record and writes the file, saying "Save
    // success!" only once it is written. A record with fewer than two detectors for a combined
    // fire is refused and left as it was. True when the file was written.
    bool pressOk();

private:
    void show(std::span<const std::uint8_t> record);
    void store(std::span<std::uint8_t> record) const;

    ConfigStore& m_store;
    Prompter& m_prompter;
    TableWriter m_write;
    std::vector<int> m_zoneNumbers; // behind the entries of `zones`
};

} // namespace qb
