#pragma once

#include "AddressRange.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qb {

class Prompter;

// "Column Batch Setting": one value of a column for a range of addresses.
class ColumnBatchDialog {
public:
    static constexpr int kAddressLimit = 324;

    // A column of the Detector/Module page (DeviceColumns.h), over its 324 addresses.
    ColumnBatchDialog(int column, Prompter& prompter);
    // A column of another grid, which brings its own prompt and list (the first entry
    // preselected) and its own highest address.
    ColumnBatchDialog(int column, std::u16string prompt, std::vector<std::u16string> items,
                      int addressLimit, Prompter& prompter);

    const std::u16string caption = u"Column Batch Setting";
    int column() const { return m_column; }
    const std::u16string& prompt() const { return m_prompt; }
    const std::vector<std::u16string>& items() const { return m_items; }
    int selected() const { return m_selected; }
    void choose(int index);

    AddressRange range;
    void leaveStart() { range.leaveStart(m_prompter); }
    void leaveEnd() { range.leaveEnd(m_prompter); }

    // Runs the checks; true when the dialog may close with OK.
    bool pressOk() { return range.check(m_prompter, AddressRange::Order::RangeOrderFirst); }

private:
    int m_column;
    Prompter& m_prompter;
    std::u16string m_prompt;
    std::vector<std::u16string> m_items;
    int m_selected = 0;
};

// "Position Description Column Setting": one position text for a range of addresses.
class PositionDescriptionDialog {
public:
    static constexpr int kAddressLimit = 324;
    static constexpr int kDescriptionLength = 29;

    // `limitBytes`: the position field's limit under the system code in use.
    PositionDescriptionDialog(Prompter& prompter, std::size_t limitBytes)
        : m_prompter(prompter), m_limitBytes(limitBytes) {}

    const std::u16string caption = u"Position Description Column Setting";
    AddressRange range{kAddressLimit};
    std::u16string description;

    void leaveStart() { range.leaveStart(m_prompter); }
    void leaveEnd() { range.leaveEnd(m_prompter); }
    // The address checks, then the description's size in bytes. A description too long for
    // the field is refused and the box goes back to the empty text it opened with.
    bool pressOk();

private:
    Prompter& m_prompter;
    std::size_t m_limitBytes;
};

} // namespace qb
