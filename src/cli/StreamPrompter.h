#pragma once

#include "base/Prompter.h"

#include <ostream>

namespace qb {

// Messages as lines on a stream; every question is answered OK, as the command line asked for
// the command in the first place.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(std::ostream& out) : m_out(out) {}

    void inform(const std::string& text, const std::string&) override {
        m_out << text;
        if (text.empty() || text.back() != '\n') {
            m_out << '\n';
        }
        ++m_count;
    }
    bool confirm(const std::string&, const std::string&) override { return true; }
    int count() const { return m_count; }

private:
    std::ostream& m_out;
    int m_count = 0;
};

} // namespace qb
