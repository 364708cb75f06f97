#pragma once

#include "LinkageEditor.h"
#include "store/ConditionRecord.h"

#include <array>
#include <vector>

namespace qb {

// "Specific Linkage Setting": kind 6, up to five input devices by host (or loop), IO board and
// address.
class SpecificLinkageEditor : public LinkageEditor {
public:
    static constexpr int kRows = SpecificSlot::kSlots;
    static constexpr int kAddressLimit = 324;

    struct Row {
        ListControl host;  // "NA", hosts (or "01" under system code 0)
        ListControl board; // "NA", boards
        std::u16string address;
        bool complete() const {
            return host.selected > 0 && board.selected > 0 && !address.empty();
        }
    };

    SpecificLinkageEditor(ConfigStore& store, Prompter& prompter);
    std::u16string caption() const override { return u"Specific Linkage Setting"; }
    // "Host" and "IO-Board", or "Loop" and "Loop-B" under system code 0.
    std::u16string hostLabel() const;
    std::u16string boardLabel() const;

    std::array<Row, kRows> rows;
    // The "Addr" box of row i (0-based) loses the focus.
    void leaveAddress(int row);

protected:
    void fillKindLists() override;
    bool conditionComplete() const override;
    std::string conditionMissing() const override;
    void storeKindParts(std::span<std::uint8_t> record) override;
    void showKindParts(std::span<const std::uint8_t> record) override;
    void clearKindParts() override;

private:
    bool legacy() const;

    // What every row's lists offer; a page showing a stored host or board that they do not
    // offer adds it to that row's list for as long as the page is shown.
    std::vector<std::u16string> m_hostItems;
    std::vector<std::u16string> m_boardItems;
};

} // namespace qb
