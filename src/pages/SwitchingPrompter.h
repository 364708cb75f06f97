#pragma once

#include "base/Prompter.h"

#include <string>
#include <utility>
#include <vector>

namespace qb {

// The prompter of the setup pages: passes everything on to the window's prompter, except while
// recording, when the pages' messages are kept instead of shown and their questions are answered
// Cancel. A paste runs every cell's commit so and reports the refusals together afterwards.
class SwitchingPrompter : public Prompter {
public:
    explicit SwitchingPrompter(Prompter& target) : m_target(target) {}

    void inform(const std::string& text, const std::string& caption) override {
        if (m_recording) {
            m_recorded.push_back(text);
        } else {
            m_target.inform(text, caption);
        }
    }
    bool confirm(const std::string& text, const std::string& caption) override {
        if (m_recording) {
            m_recorded.push_back(text);
            return false;
        }
        return m_target.confirm(text, caption);
    }
    void beginCommand() override { m_target.beginCommand(); }
    void endCommand() override { m_target.endCommand(); }
    Prompter& immediate() override { return m_recording ? *this : m_target.immediate(); }
    void note(const std::string& line) override { m_target.note(line); }

    // Keeps the messages from now on, until the recording ends.
    class Recording {
    public:
        explicit Recording(SwitchingPrompter& prompter) : m_prompter(prompter) {
            m_prompter.m_recording = true;
            m_prompter.m_recorded.clear();
        }
        ~Recording() { m_prompter.m_recording = false; }
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;

        // The messages kept since the last call.
        std::vector<std::string> take() { return std::exchange(m_prompter.m_recorded, {}); }

    private:
        SwitchingPrompter& m_prompter;
    };

private:
    Prompter& m_target;
    bool m_recording = false;
    std::vector<std::string> m_recorded;
};

} // namespace qb
