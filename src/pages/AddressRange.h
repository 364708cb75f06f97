#pragma once

#include <string>

namespace qb {

class Prompter;

// The "Start address:" and "End address:" boxes of the column dialogs.
class AddressRange {
public:
    // Which check OK makes first: that the end is not below the start, or that neither address
    // is above the limit.
    enum class Order { RangeOrderFirst, AddressLimitFirst };

    explicit AddressRange(int limit) : m_limit(limit) {}

    int limit() const { return m_limit; }
    std::u16string startText;
    std::u16string endText;

    // A box that loses the focus holding a value outside 1..limit is emptied, with a message.
    void leaveStart(Prompter& prompter) { leave(startText, prompter); }
    void leaveEnd(Prompter& prompter) { leave(endText, prompter); }

    // The checks of OK, each with its message; false at the first that fails.
    bool check(Prompter& prompter, Order order);
    int start() const;
    int end() const;

private:
    void leave(std::u16string& box, Prompter& prompter);

    int m_limit;
};

} // namespace qb
