#include "Prompter.h"

#include <algorithm>
#include <string_view>

namespace qb {

void BatchingPrompter::inform(const std::string& text, const std::string& caption) {
    if (m_depth == 0) {
        m_target.inform(text, caption);
        return;
    }
    m_pending.emplace_back(text, caption);
}

bool BatchingPrompter::confirm(const std::string& text, const std::string& caption) {
    flush();
    return m_target.confirm(text, caption);
}

void BatchingPrompter::endCommand() {
    if (m_depth > 0 && --m_depth == 0) {
        flush();
    }
}

void BatchingPrompter::flush() {
    if (m_pending.empty()) {
        return;
    }
    auto pending = std::move(m_pending);
    m_pending.clear();
    if (pending.size() == 1) {
        m_target.inform(pending.front().first, pending.front().second);
        return;
    }
    std::string caption = pending.front().second;
    std::string joined;
    for (const auto& [text, messageCaption] : pending) {
        if (messageCaption != caption) {
            caption = kProgramName;
        }
        joined += text;
        if (joined.empty() || joined.back() != '\n') {
            joined += '\n';
        }
    }
    joined.pop_back(); // no empty line at the box's end
    m_target.inform(joined, caption);
}

void NoteCollector::note(const std::string& line) {
    m_notes.push_back(line);
    m_target.note(line);
}

std::string NoteCollector::takeLine() {
    constexpr std::string_view kSaved = "Saved ";
    constexpr std::size_t kNamedFiles = 3;
    const auto saved = [&](const std::string& note) { return note.starts_with(kSaved); };
    const std::vector<std::string> notes = std::exchange(m_notes, {});
    std::string line;
    for (auto note = notes.begin(); note != notes.end();) {
        line.append(line.empty() ? "" : "; ");
        if (!saved(*note)) {
            line += *note++;
            continue;
        }
        const auto run = std::find_if_not(note, notes.end(), saved);
        const auto count = static_cast<std::size_t>(run - note);
        if (count > kNamedFiles) {
            line += std::string(kSaved) + std::to_string(count) + " files";
        } else {
            line += kSaved;
            for (auto named = note; named != run; ++named) {
                line.append(named == note ? "" : ", ").append(named->substr(kSaved.size()));
            }
        }
        note = run;
    }
    return line;
}

} // namespace qb
