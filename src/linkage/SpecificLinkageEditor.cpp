#include "SpecificLinkageEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConditionRecord.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/LittleEndian.h"
#include "store/ModuleList.h"

namespace qb {

namespace {

using Slot = SpecificSlot;

// Selects the entry reading `text`. A stored value the list does not offer (a host or board no
// longer registered) gets an entry of its own, so that the row shows it and keeps it until the
// installer chooses another.
void selectStored(ListControl& list, const std::u16string& text) {
    list.selectText(text);
    if (!list.chosen()) {
        list.items.push_back(text + u" (not registered)");
        list.select(static_cast<int>(list.items.size()) - 1);
    }
}

} // namespace

SpecificLinkageEditor::SpecificLinkageEditor(ConfigStore& store, Prompter& prompter)
    : LinkageEditor(store, prompter, LinkageKind::Specific) {}

bool SpecificLinkageEditor::legacy() const {
    return store().systemCode() == SystemCode::TwoLoopSo12;
}

std::u16string SpecificLinkageEditor::hostLabel() const {
    return legacy() ? u"Loop" : u"Host";
}
std::u16string SpecificLinkageEditor::boardLabel() const {
    return legacy() ? u"Loop-B" : u"IO-Board";
}

void SpecificLinkageEditor::fillKindLists() {
    std::vector<std::u16string> hosts{u"NA"};
    if (legacy()) {
        hosts.push_back(u"01");
    } else {
        for (int h = 1; h <= NetworkTable::kHosts; ++h) {
            if (store().network.working.hostRegistration(h) == 1) {
                hosts.push_back(numberText(h, 3));
            }
        }
    }
    std::vector<std::u16string> boardItems{u"NA"};
    const bool allBoards = store().systemCode() == SystemCode::OneLoop;
    for (int i = 1; i <= IoBoardRecord::kBoards; ++i) {
        if (allBoards || store().ioBoards.working.registration(i) == 1) {
            boardItems.push_back(numberText(i, 2));
        }
    }
    for (Row& row : rows) {
        row.host = {hosts, 0};
        row.board = {boardItems, 0};
        row.address.clear();
    }
    // The module side offers the same boards as the rows.
    boards = offeredList({boardItems.begin() + 1, boardItems.end()}, emptyreason::kNoBoards);
    m_hostItems = std::move(hosts);
    m_boardItems = std::move(boardItems);
}

void SpecificLinkageEditor::leaveAddress(int row) {
    if (row < 0 || row >= kRows || rows[row].address.empty()) {
        return;
    }
    const long address = leadingInteger(rows[row].address);
    if (address < 1 || address > kAddressLimit) {
        rows[row].address.clear();
        prompter().inform("Address value within 1-324 is required!", kProgramName);
    }
}

bool SpecificLinkageEditor::conditionComplete() const {
    return std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.complete(); });
}

std::string SpecificLinkageEditor::conditionMissing() const {
    if (conditionComplete()) {
        return {};
    }
    // The labels are plain ASCII.
    const auto narrow = [](const std::u16string& label) {
        return std::string(label.begin(), label.end());
    };
    return "No input row has its " + narrow(hostLabel()) + ", " + narrow(boardLabel()) +
           " and Addr.";
}

void SpecificLinkageEditor::storeKindParts(std::span<std::uint8_t> record) {
    for (int i = 0; i < kRows; ++i) {
        const Row& row = rows[i];
        const auto slot = Slot::of(record, i);
        if (!row.complete()) {
            // Cleared where the row is shown from, so that it stays cleared.
            slot[Slot::kHost] = Slot::kNone;
            if (legacy()) {
                slot[Slot::kLoop] = Slot::kNone;
            }
            continue;
        }
        const auto host = static_cast<std::uint8_t>(leadingInteger(row.host.text()));
        slot[Slot::kHost] = host;
        slot[Slot::kBoard] = static_cast<std::uint8_t>(boardNumber(row.board.text()));
        slot[Slot::kLoop] = 1;
        const long address = leadingInteger(row.address);
        if (address < 1 || address > kAddressLimit) {
            prompter().inform("Device address value should not be greater than 324 or less than 1!",
                              kProgramName);
            return; // the later rows and the spare word keep what they held
        }
        le::writeU16(slot, Slot::kAddress, static_cast<std::uint16_t>(address));
        slot[Slot::kClass] = Slot::kNone;
        if (legacy()) {
            slot[Slot::kHost] = Slot::kNone;
            slot[Slot::kLoop] = host; // the loop entry: "01" is 1
        }
    }
    le::writeU16(record, Slot::kSpareWord, 0xFFFF);
}

void SpecificLinkageEditor::showKindParts(std::span<const std::uint8_t> record) {
    for (int i = 0; i < kRows; ++i) {
        Row& row = rows[i];
        const auto slot = Slot::of(record, i);
        row.host = {m_hostItems, 0};
        row.board = {m_boardItems, 0};
        const std::uint8_t host = legacy() ? slot[Slot::kLoop] : slot[Slot::kHost];
        if (host != Slot::kNone) {
            selectStored(row.host, numberText(host, legacy() ? 2 : 3));
        }
        if (slot[Slot::kBoard] != Slot::kNone) {
            selectStored(row.board, boardText(slot[Slot::kBoard]));
        }
        const std::uint16_t address = le::readU16(slot, Slot::kAddress);
        row.address = address == 0xFFFF ? std::u16string() : numberText(address);
    }
}

void SpecificLinkageEditor::clearKindParts() {
    // No rule on view: no row shows anything, not even "NA".
    for (Row& row : rows) {
        row.host = {m_hostItems, -1};
        row.board = {m_boardItems, -1};
        row.address.clear();
    }
}

} // namespace qb
