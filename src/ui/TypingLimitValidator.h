#pragma once

#include <QValidator>

namespace qb::ui {

// Holds what the installer types into a cell editor to `limit` characters (digits only where the
// column asks for numbers) without cutting the text the editor opens with: a longer stored text
// is shown whole, and typing never takes it past its own length. QLineEdit's own maximum length
// would cut it the moment it is put in.
class TypingLimitValidator : public QValidator {
public:
    using QValidator::QValidator;

    // Starts an edit of `opening` under these rules.
    void start(int limit, bool digitsOnly, const QString& opening);

    State validate(QString& input, int& position) const override;

private:
    int m_ceiling = 0;
    bool m_digitsOnly = false;
};

} // namespace qb::ui
