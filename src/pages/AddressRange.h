#pragma once

#include <string>

namespace qb {

class Prompter;

// The "Start address:" and "End address:" boxes of the column dialogs.
class AddressRange {
public:
    // Which comes first on OK: "end smaller than start" or "above the limit".
    enum class Order { OrderFirst, LimitFirst };

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
