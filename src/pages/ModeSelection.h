#pragma once

#include "store/SystemCode.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// The "Mode Selection" dialog that asks, once per run, which controller family the
// configuration is for.
class ModeSelection {
public:
    static constexpr int kOneLoopPanel = 0;
    static constexpr int kTwoLoopPanel = 1;

    const std::u16string caption = u"Mode Selection";
    const std::u16string text = u"Please select the System Code by the About interface.";
    const std::vector<std::u16string> panelTypes{u"1 Loop Fire alarm Panel",
                                                 u"1-2 Loop Fire alarm Panel"};

    bool firstOptionVisible() const { return m_firstVisible; }
    std::u16string firstOptionLabel() const { return u"SO.***1 OR SO.***2"; }
    std::u16string secondOptionLabel() const {
        return m_panel == kOneLoopPanel ? u"SO.***1" : u"SO.***3";
    }
    // 0 for the first option, 1 for the second.
    int selectedOption() const { return m_option; }
    int panelType() const { return m_panel; }

    void chooseOption(int option);
    void choosePanelType(int index);

    // The system code OK gives; closing the dialog any other way gives code 0.
    SystemCode accept() const;
    static SystemCode dismissed() { return SystemCode::TwoLoopSo12; }

private:
    bool m_firstVisible = true;
    int m_option = 1;
    int m_panel = kTwoLoopPanel;
};

// The lines of the About box.
struct AboutText {
    static constexpr std::u16string_view kCaption = u" Quillbarrow";
    static constexpr std::u16string_view kLines[] = {
        u"Fire Alarm Host PC setup V3.0 EN beta5",
        u"Build:V3.0 EN 20221124",
        u"OS: Win7 or Win10",
    };
};

// The About box's lines as UTF-8: the fixed ones, then where this run keeps its configuration
// files (beside the program or in the user's data folder, which the installer cannot guess) and
// the platform it runs on, when the window system names one.
std::vector<std::string> aboutLines(const std::filesystem::path& dataFolder,
                                    std::string_view platform);

} // namespace qb
