#include "devices/GasZoneEditor.h"
#include "pages/MainMenu.h"
#include "support/WindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace qb {
namespace {

using Editor = GasZoneEditor;
using Texts = std::vector<std::u16string>;
using Messages = std::vector<std::string>;

constexpr const char* kFile = "M001QMPS.BIN";

std::span<std::uint8_t, 16> zone(test::WindowFixture& w, int z) {
    return w.store->gasZones.working.zone(z);
}

// Runs the dialog from its command; `act` does what the installer does in it.
void runDialog(test::WindowFixture& w, const std::function<void(Editor&)>& act) {
    w.dialogs.gasZoneEditor = [&](Editor& editor) {
        act(editor);
        return false;
    };
    w.window.runCommand(commands::kGasZoneParameters);
    ASSERT_EQ(w.dialogs.gasZoneRuns, 1);
}

void pick(Editor& editor, Editor::Parameter parameter, const std::u16string& text) {
    const auto& items = editor.parameters[parameter].items;
    const auto found = std::find(items.begin(), items.end(), text);
    ASSERT_NE(found, items.end()) << std::string(text.begin(), text.end());
    editor.chooseParameter(parameter, static_cast<int>(found - items.begin()));
}

Texts shown(const Editor& editor) {
    Texts texts;
    for (const ListControl& list : editor.parameters) {
        texts.push_back(list.text());
    }
    return texts;
}

TEST(GasZoneEditor, ShowsTheRegisteredZonesAndLoadsTheChosenOnesRecord) {
    test::WindowFixture w;
    const std::vector<std::uint8_t> record{1, 0xAC, 0xA5, 7, 30, 0xA5, 0, 3, 4, 1, 10};
    std::copy(record.begin(), record.end(), zone(w, 9).begin());
    zone(w, 5)[0] = 1;
    zone(w, 5)[10] = 1;
    zone(w, 2)[0] = 2; // not registered
    runDialog(w, [](Editor& editor) {
        EXPECT_EQ(editor.zones.items, (Texts{u"5", u"9"}));
        EXPECT_EQ(editor.zones.selected, 0);
        EXPECT_EQ(shown(editor),
                  (Texts{u"Forbid", u"5s", u"Allow", u"PresrSwith", u"5", u"0", u"2", u"20s"}));
        editor.chooseZone(1);
        EXPECT_EQ(shown(editor), (Texts{u"Allow", u"7s", u"Forbid", u"RelayDriver", u"Constant",
                                        u"3", u"4", u"30s"}));
    });
    EXPECT_TRUE(w.prompter.messages.empty());
}

TEST(GasZoneEditor, WithoutARegisteredZoneOkAsksForOne) {
    test::WindowFixture w;
    runDialog(w, [](Editor& editor) {
        EXPECT_FALSE(editor.zones.chosen());
        EXPECT_EQ(shown(editor),
                  (Texts{u"Forbid", u"5s", u"Allow", u"PresrSwith", u"10s", u"0", u"2", u"20s"}));
        EXPECT_FALSE(editor.pressOk());
    });
    EXPECT_EQ(w.prompter.texts(),
              (Messages{"Please register the fire zone!", "Please select fire zone!"}));
    EXPECT_FALSE(std::filesystem::exists(w.dataFile(kFile)));
}

TEST(GasZoneEditor, ACombinedFireNeedsTwoDetectors) {
    const struct {
        const char16_t* smoke;
        const char16_t* heat;
        bool accepted;
    } cases[] = {{u"0", u"1", false}, {u"0", u"2", true}, {u"1", u"1", true}};
    for (const auto& c : cases) {
        test::WindowFixture w;
        zone(w, 3)[0] = 1;
        const std::vector<std::uint8_t> before(zone(w, 3).begin(), zone(w, 3).end());
        runDialog(w, [&](Editor& editor) {
            pick(editor, Editor::ManualDelay, u"9s");
            pick(editor, Editor::SmokeCount, c.smoke);
            pick(editor, Editor::HeatCount, c.heat);
            EXPECT_EQ(editor.pressOk(), c.accepted);
        });
        const auto record = zone(w, 3);
        if (!c.accepted) {
            EXPECT_EQ(w.prompter.texts(), (Messages{"The sum of smoke and the temperature "
                                                    "sensor number must be greater than 1"}));
            EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.end()), before);
            EXPECT_FALSE(std::filesystem::exists(w.dataFile(kFile)));
            continue;
        }
        EXPECT_EQ(w.prompter.texts(), (Messages{"Save success!"}));
        EXPECT_EQ((std::vector<int>{record[3], record[7], record[8]}),
                  (std::vector<int>{9, c.smoke[0] - u'0', c.heat[0] - u'0'}));
        EXPECT_FALSE(w.store->gasZones.modified());
    }
}

// Written each time into the Data folder of the program's folder in force.
TEST(GasZoneEditor, ValveDriveStoresTenForConstantAndTheListPositionOtherwise) {
    test::WindowFixture w;
    zone(w, 1)[0] = 1;
    const auto file = w.program.path() / "Data" / kFile;
    runDialog(w, [&](Editor& editor) {
        pick(editor, Editor::ValveDrive, u"Constant");
        EXPECT_TRUE(editor.pressOk());
        EXPECT_EQ(test::readAll(file).at(32 + 10), 10);
        pick(editor, Editor::ValveDrive, u"5");
        EXPECT_TRUE(editor.pressOk());
    });
    EXPECT_EQ(test::readAll(file).at(32 + 10), 1);
}

TEST(GasZoneEditor, AFailedWriteIsReportedAndNotCalledASuccess) {
    test::WindowFixture w;
    std::filesystem::remove_all(w.store->dataFolder());
    test::writeAll(w.store->dataFolder(), {0}); // a file named "Data"
    zone(w, 1)[0] = 1;
    runDialog(w, [](Editor& editor) {
        pick(editor, Editor::SmokeCount, u"4");
        EXPECT_FALSE(editor.pressOk());
    });
    ASSERT_EQ(w.prompter.messages.size(), 1u);
    EXPECT_NE(w.prompter.messages[0].text.find(kFile), std::string::npos);
    EXPECT_EQ(w.prompter.messages[0].caption, "Error");
    EXPECT_EQ(zone(w, 1)[7], 4); // waiting in the working copy for the next OK
    EXPECT_TRUE(w.store->gasZones.modified());
}

} // namespace
} // namespace qb
