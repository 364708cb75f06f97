#include "BatchPlacementEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "files/DeviceFile.h"
#include "files/FileNames.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"

#include <vector>

namespace qb {

namespace {

const std::u16string kNoSet = u"No Set";
constexpr int kIoBoards = 40;

// Registers addresses `start`..`end` of one loop as devices of that loop in `zone` (stored minus
// 1); the types, modes and positions of the records stay as they were.
void place(BoardDevices& board, int fileNumber, int loop, int start, int end, std::uint8_t zone) {
    for (int address = start; address <= end; ++address) {
        DeviceRecord& device = board.device(loop, address);
        device.registration = 1;
        device.reserved = 0;
        device.address = static_cast<std::uint16_t>(address);
        device.loopIndex = loopIndexOf(fileNumber, loop);
        device.zone = zone;
    }
}

} // namespace

BatchPlacementEditor::BatchPlacementEditor(ConfigStore& store, Prompter& prompter, FileWriter write)
    : m_store(store), m_prompter(prompter), m_write(write) {}

void BatchPlacementEditor::open() {
    hosts.items = knownHostTexts(m_store.network.working, m_store.hostIndex());
    hosts.select(0);
    boards.items = fittedBoardTexts(m_store.ioBoards.working);
    boards.items.insert(boards.items.end(), {boardText(kVirtualBoard1), boardText(kVirtualBoard2)});
    boards.items.push_back(kNoSet);
    boards.selectText(kNoSet);
    loops = {{kNoSet}, 0};
    zones.items = enabledZoneTexts(m_store.zones.working);
    zones.items.push_back(kNoSet);
    zones.selectText(kNoSet);
    startText.clear();
    endText.clear();
}

void BatchPlacementEditor::chooseBoard(int index) {
    boards.select(index);
    loops = {{u"01", u"02"}, 0};
}

bool BatchPlacementEditor::refuse(const char* message) {
    m_prompter.inform(message, kProgramName);
    return false;
}

bool BatchPlacementEditor::pressSet() {
    if (!hosts.chosen() || !boards.chosen()) {
        return false; // nothing to name the files by, or nothing to place on
    }
    const bool everyBoard = boards.text() == kNoSet;
    const int loop = static_cast<int>(leadingInteger(loops.text()));
    // A single board needs its loop: "No Set" there is not guessed.
    if (!everyBoard && (loop < 1 || loop > kLoopsPerBoard)) {
        return refuse("Please Choose Loop!");
    }
    if (startText.empty()) {
        return refuse("Please enter the start address!");
    }
    const long start = leadingInteger(startText);
    if (start < 1) {
        return refuse("The start address must not be less than 1!");
    }
    if (endText.empty()) {
        return refuse("Please enter the end address!");
    }
    const long end = leadingInteger(endText);
    if (start > kAddressesPerLoop || end > kAddressesPerLoop) {
        return refuse("The end address cannot be greater than 324!");
    }
    if (start > end) {
        return refuse("The start address cannot be greater than the end address!");
    }

    // Zone "No Set" reads as no number and is stored as zone 1.
    const long zoneNumber = leadingInteger(zones.text());
    const auto zone = static_cast<std::uint8_t>(zoneNumber < 1 ? 0 : zoneNumber - 1);
    const auto hostIndex = static_cast<std::uint8_t>(leadingInteger(hosts.text()) - 1);
    std::vector<int> fileNumbers;
    if (everyBoard) {
        for (int j = 1; j <= kIoBoards; ++j) {
            fileNumbers.push_back(j); // never the virtual boards
        }
    } else {
        fileNumbers.push_back(boardNumber(boards.text()));
    }

    m_placed = true;
    bool allWritten = true;
    {
        // One box for whatever stood in the way of the files of this Set.
        BatchingPrompter reports(m_prompter);
        CommandScope scope(reports);
        for (int j : fileNumbers) {
            Versioned<BoardDevices>& entry = m_store.devices(j);
            for (int l = 1; l <= kLoopsPerBoard; ++l) {
                if (everyBoard || l == loop) {
                    place(entry.working, j, l, static_cast<int>(start), static_cast<int>(end),
                          zone);
                }
            }
            const BuiltFile file =
                buildDeviceFile(entry.working, j, m_store.systemCode(), FileVariant::PageSave);
            if (m_write(filePath(m_store.dataFolder(), hostIndex, deviceFileName(j)), file,
                        reports)) {
                entry.takeSavePoint(); // the saved copy follows the disk, never runs ahead of it
            } else {
                allWritten = false;
            }
        }
    }
    if (allWritten) {
        m_prompter.inform(kDone, kProgramName);
    }
    return allWritten;
}

} // namespace qb
