#include "TypingLimitValidator.h"

#include <algorithm>

namespace qb::ui {

void TypingLimitValidator::start(int limit, bool digitsOnly, const QString& opening) {
    m_ceiling = std::max(limit, static_cast<int>(opening.size()));
    m_digitsOnly = digitsOnly;
}

QValidator::State TypingLimitValidator::validate(QString& input, int&) const {
    if (input.size() > m_ceiling) {
        return Invalid;
    }
    const auto notDigit = [](QChar c) { return c < QLatin1Char('0') || c > QLatin1Char('9'); };
    if (m_digitsOnly && std::any_of(input.begin(), input.end(), notDigit)) {
        return Invalid;
    }
    return Acceptable;
}

} // namespace qb::ui
