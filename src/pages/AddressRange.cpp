#include "AddressRange.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "files/Messages.h"

namespace qb {

void AddressRange::leave(std::u16string& box, Prompter& prompter) {
    if (box.empty()) {
        return;
    }
    const long value = leadingInteger(box);
    if (value < 1 || value > m_limit) {
        box.clear();
        prompter.inform(messages::format("Address value within 1-%d is required!", m_limit),
                        kProgramName);
    }
}

int AddressRange::start() const {
    return static_cast<int>(leadingInteger(startText));
}
int AddressRange::end() const {
    return static_cast<int>(leadingInteger(endText));
}

bool AddressRange::check(Prompter& prompter, Order order) {
    const auto refuse = [&](const std::string& text) {
        prompter.inform(text, kProgramName);
        return false;
    };
    const auto aboveLimit = [&] { return start() > m_limit || end() > m_limit; };
    const std::string limitMessage =
        messages::format("Address value cannot be greater than %d!", m_limit);

    if (startText.empty()) {
        return refuse("Please enter the start address!");
    }
    if (start() < 1) {
        return refuse("The starting address cannot be less than 1!");
    }
    if (endText.empty()) {
        return refuse("Please enter the end address!");
    }
    if (end() < 1) {
        return refuse("The end address cannot be less than 1!");
    }
    if (order == Order::AddressLimitFirst && aboveLimit()) {
        return refuse(limitMessage);
    }
    if (end() < start()) {
        return refuse("Start address cannot be greater than the end address!");
    }
    if (aboveLimit()) {
        return refuse(limitMessage);
    }
    return true;
}

} // namespace qb
