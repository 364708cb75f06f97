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

    // What a command did, in one short line for the status bar ("Saved M001ZONE.BIN"); never a
    // box. Where there is no status bar it goes nowhere.
    virtual void note(const std::string& /*line*/) {}
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
    void note(const std::string& line) override { m_target.note(line); }

private:
    void flush();

    Prompter& m_target;
    int m_depth = 0;
    std::vector<std::pair<std::string, std::string>> m_pending;
};

// Passes everything on to its target and keeps the notes of the command under way, for the
// window's status line. What goes through `immediate()` is noted too.
class NoteCollector : public Prompter {
public:
    explicit NoteCollector(Prompter& target) : m_target(target), m_immediate(*this) {}

    void inform(const std::string& text, const std::string& caption) override {
        m_target.inform(text, caption);
    }
    bool confirm(const std::string& text, const std::string& caption) override {
        return m_target.confirm(text, caption);
    }
    void beginCommand() override { m_target.beginCommand(); }
    void endCommand() override { m_target.endCommand(); }
    Prompter& immediate() override {
        m_target.immediate(); // what the command gathered so far is shown first
        return m_immediate;
    }
    void note(const std::string& line) override;

    // The notes since the last call, in order, joined by "; "; empty when there were none.
    // Files saved one after another make one note: "Saved M001LINP.BIN, M001LOUT.BIN", or
    // "Saved 42 files" when there are more than a line holds.
    std::string takeLine();

private:
    // The same notes, with every message shown at once.
    class Immediate : public Prompter {
    public:
        explicit Immediate(NoteCollector& owner) : m_owner(owner) {}
        void inform(const std::string& text, const std::string& caption) override {
            m_owner.m_target.immediate().inform(text, caption);
        }
        bool confirm(const std::string& text, const std::string& caption) override {
            return m_owner.m_target.immediate().confirm(text, caption);
        }
        void note(const std::string& line) override { m_owner.note(line); }

    private:
        NoteCollector& m_owner;
    };

    Prompter& m_target;
    Immediate m_immediate;
    std::vector<std::string> m_notes;
};

} // namespace qb
