#include "ConfigStore.h"

#include <utility>

namespace qb {

namespace {

template <class Table> void reset(Versioned<Table>& table, Table defaults) {
    table.working = std::move(defaults);
    table.takeSavePoint();
}

} // namespace

std::unique_ptr<ConfigStore> ConfigStore::create(RunState run) {
    std::unique_ptr<ConfigStore> store(new ConfigStore(std::move(run)));
    store->loadDefaults();
    return store;
}

ConfigStore::ConfigStore(RunState run) : m_run(std::move(run)) {}

void ConfigStore::loadDefaults() {
    const FileHeader& header = m_run.headerTemplate;
    reset(zones, ZoneTable::defaults(header));
    reset(buildings, BuildingTable::defaults(header));
    reset(floors, FloorTable::defaults(header));
    reset(network, NetworkTable::defaults(header));
    reset(systemSettings, SystemSettings::defaults(header));
    reset(ioBoards, IoBoardRecord::defaults(header));
    reset(displays, DisplayTable::defaults(header));
    deviceTypes = DeviceTypeTable::defaults(header);
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        reset(devices(j), BoardDevices::defaults(header, j, systemCode()));
        cutPositions(j).reset();
    }
    reset(linkageInputs, LinkageInputTable::defaults(header));
    reset(linkageResults, LinkageResultTable::defaults(header));
    reset(handControl, HandControlTable::defaults(header));
    reset(broadcast, BroadcastTable::defaults(header));
    reset(broadcastPoints, BroadcastPointTable::defaults(header));
    reset(hydrant, HydrantTable::defaults(header));
    reset(gasZones, GasZoneTable::defaults(header));
    reset(mimic, MimicTable::defaults(header));
    reset(keypad, KeypadTable::defaults(header));
}

} // namespace qb
