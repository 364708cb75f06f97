#pragma once

#include "ConfigReport.h"
#include "Finding.h"
#include "SetFileState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qb {

class ConfigStore;

// The sections of the configuration report, each made by a function of its own; reportSections
// puts them in order. Every function reads the store's working copies.
namespace report {

ReportSection cover(const ConfigStore& store, const std::vector<SetFileState>& files,
                    const ReportCover& cover);
ReportSection zones(const ConfigStore& store);
ReportSection network(const ConfigStore& store);
ReportSection displays(const ConfigStore& store);
ReportSection ioBoards(const ConfigStore& store);
// A section per loop of each registered board (and virtual board) with registered devices.
void addDevices(const ConfigStore& store, std::vector<ReportSection>& sections);
ReportSection linkageRules(const ConfigStore& store);
// Mimic LEDs, keypad points, hand control points, broadcast, hydrant and gas zones: a section
// each for the tables that hold anything.
void addPanels(const ConfigStore& store, std::vector<ReportSection>& sections);
ReportSection check(const std::vector<Finding>& findings);

// The device files whose devices the report lists: the registered IO boards of the system code,
// then the virtual boards of the set that hold a registered device.
std::vector<int> reportedBoards(const ConfigStore& store);
// The registered devices of a loop. Every registration byte but 0 counts, so that a damaged one
// shows in print (as "Error", as on the page) rather than hiding its device.
int registeredDevices(const ConfigStore& store, int board, int loop);

// A registration byte as the pages mark it: "√" for 1, "×" for 0, "Error (7)" otherwise.
std::string registrationMark(std::uint8_t value);

} // namespace report

} // namespace qb
