#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qb {

// Every message the installer sees goes through this interface; the core never shows anything
// itself. Texts are UTF-8.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box with an OK button.
    virtual void inform(const std::string& text, const std::string& caption) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(const std::string& text, const std::string& caption) = 0;

    // One user command (a click, a menu entry, a Save) starts and ends; the messages raised in
    // between may be gathered into one box.
    virtual void beginCommand() {}
    virtual void endCommand() {}

    // Where a dialog's own check messages go: shown at the moment they arise, never gathered.
    virtual Prompter& immediate() { return *this; }
};

inline const std::string kProgramName = "Quillbarrow";
inline const std::string kCaptionError = "Error";
inline const std::string kCaptionPrompt = "prompt";

// Brackets one user command on a prompter.
class CommandScope {
public:
    explicit CommandScope(Prompter& prompter) : m_prompter(prompter) { m_prompter.beginCommand(); }
    ~CommandScope() { m_prompter.endCommand(); }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    Prompter& m_prompter;
};

// Shows the information messages of one command in one box at its end, in order, one line
// each; a single message keeps its own box and caption. Questions are shown at once, after
// whatever was gathered before them.
class BatchingPrompter : public Prompter {
public:
    explicit BatchingPrompter(Prompter& target) : m_target(target) {}

    void inform(const std::string& text, const std::string& caption) override;
    bool confirm(const std::string& text, const std::string& caption) override;
    void beginCommand() override { ++m_depth; }
    void endCommand() override;
    Prompter& immediate() override {
        flush();
        return m_target;
    }

private:
    void flush();

    Prompter& m_target;
    int m_depth = 0;
    std::vector<std::pair<std::string, std::string>> m_pending;
};

} // namespace qb
