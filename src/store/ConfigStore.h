#pragma once

#include "BoardDevices.h"
#include "BuildingTable.h"
#include "DeviceTypeTable.h"
#include "DisplayTable.h"
#include "IoBoardRecord.h"
#include "LinkageTables.h"
#include "NetworkTable.h"
#include "PanelTables.h"
#include "RunState.h"
#include "SystemSettings.h"
#include "Versioned.h"
#include "ZoneTable.h"

#include <array>
#include <cstdint>
#include <memory>

namespace qb {

// The one configuration object of a run: every table of the store with its working and saved
// copy, plus the run-wide state. It is several megabytes, so it only lives on the heap.
class ConfigStore {
public:
    // A store filled with the start-up contents for the run's system code, with every saved copy
    // taken.
    static std::unique_ptr<ConfigStore> create(RunState run);

    ConfigStore(const ConfigStore&) = delete;

    const RunState& run() const { return m_run; }
    SystemCode systemCode() const { return m_run.systemCode; }
    const FileHeader& headerTemplate() const { return m_run.headerTemplate; }
    const std::filesystem::path& dataFolder() const { return m_run.dataFolder; }
    // The window keeps one Data folder for the whole run; the command-line companion loads from
    // one folder and may export into another.
    void setDataFolder(std::filesystem::path folder) { m_run.dataFolder = std::move(folder); }

    // The host whose tables are edited and whose files are written, 0-based.
    std::uint8_t hostIndex() const { return network.working.hostIndex(); }

    // Puts every table back to its start-up contents and takes every saved copy.
    void loadDefaults();
    // Makes this store a copy of `other`, run state included: far cheaper than making start-up
    // contents again where fresh stores are needed one after another.
    void copyFrom(const ConfigStore& other) { *this = other; }

    Versioned<ZoneTable> zones;
    Versioned<BuildingTable> buildings;
    Versioned<FloorTable> floors;
    Versioned<NetworkTable> network;
    Versioned<SystemSettings> systemSettings;
    Versioned<IoBoardRecord> ioBoards;
    Versioned<DisplayTable> displays;
    DeviceTypeTable deviceTypes;

    Versioned<LinkageInputTable> linkageInputs;
    Versioned<LinkageResultTable> linkageResults;
    Versioned<HandControlTable> handControl;
    Versioned<BroadcastTable> broadcast;
    Versioned<BroadcastPointTable> broadcastPoints;
    Versioned<HydrantTable> hydrant;
    Versioned<GasZoneTable> gasZones;
    Versioned<MimicTable> mimic;
    Versioned<KeypadTable> keypad;

    // Device file number 1..42.
    Versioned<BoardDevices>& devices(int fileNumber) { return m_devices.at(fileNumber - 1); }
    const Versioned<BoardDevices>& devices(int fileNumber) const {
        return m_devices.at(fileNumber - 1);
    }
    // The positions of device file 1..42 that its last load cut and no page has reported yet.
    CutPositions& cutPositions(int fileNumber) { return m_cutPositions.at(fileNumber - 1); }

private:
    explicit ConfigStore(RunState run);
    ConfigStore& operator=(const ConfigStore&) = default; // only through copyFrom

    RunState m_run;
    std::array<Versioned<BoardDevices>, kDeviceFileCount> m_devices;
    std::array<CutPositions, kDeviceFileCount> m_cutPositions{};
};

} // namespace qb
