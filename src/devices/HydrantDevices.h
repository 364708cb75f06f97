#pragma once

#include "HydrantChains.h"
#include "base/EditorControls.h"

#include <string>
#include <vector>

namespace qb {
class ConfigStore;
struct DeviceRecord;
struct BoardDevices;
struct DeviceTypeTable;
} // namespace qb

// Which devices of the loops the hydrant editor offers, and how its lists name them.
namespace qb::hydrant {

// A hydrant input: registered, of product type 57..61.
bool isHydrantInput(const DeviceRecord& device);
// A hydrant module: registered, of equipment type 14.
bool isHydrantModule(const DeviceRecord& device);

// Whether device file 1..42 holds a hydrant input at that loop and address; false for a place
// outside the loops.
bool hydrantInputAt(const ConfigStore& store, int file, int loop, int address);

// The "Addr + Produc Type" list of a loop of device file `file`: "003 HydrCP", in address order;
// while there is none, why.
ListControl inputList(const BoardDevices& devices, int file, int loop);
// The "Module List" of a loop of device file `file`: "012HydrCP", in address order; while there
// is none, why.
ListControl moduleList(const BoardDevices& devices, int file, int loop,
                       const DeviceTypeTable& types);
// The address an entry of either list begins with.
std::uint16_t entryAddress(const std::u16string& entry);

// Every hydrant module of these IO boards (1..40), board by board, each loop in address order.
std::vector<Output> modulesOfBoards(const ConfigStore& store, const std::vector<int>& boards);

// "1  05-1-012 Hydrant": the 1-based line number, then board, loop and address as the record
// holds them.
std::u16string resultLine(int number, const Output& output);

} // namespace qb::hydrant
