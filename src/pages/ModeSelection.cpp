#include "ModeSelection.h"

#include "files/TextCodec.h"

namespace qb {

void ModeSelection::chooseOption(int option) {
    if (option == 0 && !m_firstVisible) {
        return;
    }
    if (option == 0 || option == 1) {
        m_option = option;
    }
}

void ModeSelection::choosePanelType(int index) {
    if (index == kOneLoopPanel) {
        // The one-loop panel has a single code option: the first option goes away and the
        // second, relabelled, is the choice.
        m_panel = kOneLoopPanel;
        m_firstVisible = false;
        m_option = 1;
    } else if (index == kTwoLoopPanel) {
        m_panel = kTwoLoopPanel;
        m_firstVisible = true;
    }
}

SystemCode ModeSelection::accept() const {
    if (m_option == 0) {
        return SystemCode::TwoLoopSo12;
    }
    return m_panel == kOneLoopPanel ? SystemCode::OneLoop : SystemCode::TwoLoopSo3;
}

std::vector<std::string> aboutLines(const std::filesystem::path& dataFolder,
                                    std::string_view platform) {
    std::vector<std::string> lines;
    for (std::u16string_view line : AboutText::kLines) {
        lines.push_back(toUtf8(line));
    }
    lines.push_back("Data folder: " + dataFolder.string());
    if (!platform.empty()) {
        lines.push_back("Platform: " + std::string(platform));
    }
    return lines;
}

} // namespace qb
