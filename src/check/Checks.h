#pragma once

#include "ChangeLine.h"
#include "Finding.h"
#include "store/ConfigStore.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace qb {

class Folder;

// The findings of one check, each added with its page and place.
class Findings {
public:
    explicit Findings(std::vector<Finding>& list) : m_list(list) {}

    // Adds a finding; the caller fills in its board, loop and address where it has them.
    Finding& add(Severity severity, FindingPage page, std::string file, std::string where,
                 std::string text, int item = 0) {
        Finding& finding = m_list.emplace_back();
        finding.severity = severity;
        finding.page = page;
        finding.file = std::move(file);
        finding.where = std::move(where);
        finding.text = std::move(text);
        finding.item = item;
        return finding;
    }
    void append(std::vector<Finding> more) {
        std::move(more.begin(), more.end(), std::back_inserter(m_list));
    }

private:
    std::vector<Finding>& m_list;
};

// Calls `visit(board, index, record)` for every record of the device files the set holds: the
// board is the device file number 1..42, the index the record's place in it.
template <class Visit> void forEachDevice(const ConfigStore& store, Visit visit) {
    for (int board = 1; board <= deviceFileCount(store.systemCode()); ++board) {
        const auto& records = store.devices(board).working.records;
        for (int index = 0; index < BoardDevices::kRecords; ++index) {
            visit(board, index, records[static_cast<std::size_t>(index)]);
        }
    }
}

// A device record's place as the findings name it: "IO02-L1-017".
inline std::string deviceWhere(int board, int index) {
    return difftext::device(board, BoardDevices::loopOf(index), BoardDevices::addressOf(index));
}

// Gives a finding the board, loop and address of a device record's place.
inline void placeAtDevice(Finding& finding, int board, int index) {
    finding.board = board;
    finding.loop = BoardDevices::loopOf(index);
    finding.address = BoardDevices::addressOf(index);
}

// Each part of the configuration check; ConfigCheck runs them all.
void checkFraming(const ConfigStore& store, const Folder& folder, bool forController,
                  Findings& findings);
void checkChains(const ConfigStore& store, bool forController, Findings& findings);
void checkReferences(const ConfigStore& store, Findings& findings);
void checkValues(const ConfigStore& store, Findings& findings);

} // namespace qb
