#pragma once

#include "base/Prompter.h"

class QWidget;

namespace qb::ui {

// Shows the core's messages in modal message boxes. A long gathered message gets a scrolling
// box, so hundreds of lines never outgrow the screen.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void inform(const std::string& text, const std::string& caption) override;
    bool confirm(const std::string& text, const std::string& caption) override;

private:
    QWidget* m_parent;
};

} // namespace qb::ui
