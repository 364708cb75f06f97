#include "check/ConfigReport.h"
#include "CheckFixtures.h"
#include "check/ConfigCheck.h"
#include "files/DataExport.h"
#include "files/MemoryFolder.h"
#include "files/TextCodec.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "support/FakePrompter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace qb {
namespace {

using test::addGeneralRule;
using test::freshStore;

std::string reportOf(const ConfigStore& store, const Folder& folder = MemoryFolder()) {
    return reportHtml(reportSections(store, folder, {"2026-12-09", "/data"}));
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::string> titles(const std::vector<ReportSection>& sections) {
    std::vector<std::string> list;
    for (const ReportSection& section : sections) {
        list.push_back(section.title);
    }
    return list;
}

bool contains(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

DeviceRecord& registerDevice(ConfigStore& store, int board, int loop, int address,
                             std::u16string_view position) {
    DeviceRecord& device = store.devices(board).working.device(loop, address);
    device.registration = 1;
    device.position.assign(position);
    return device;
}

TEST(ConfigReport, EveryTextIsEscaped) {
    EXPECT_EQ(htmlEscape("<a href='x'>&\"\x01"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;\uFFFD");
    auto store = freshStore();
    store->zones.working.zone(1).name.assign(u"Hall<&\"1");
    registerDevice(*store, 1, 1, 5, u"Door <b>&\"x\"");
    const std::string html = reportOf(*store);
    EXPECT_EQ(html.find("Hall<&"), std::string::npos);
    EXPECT_EQ(html.find("<b>&"), std::string::npos);
    EXPECT_EQ(occurrences(html, "Hall&lt;&amp;&quot;1"), 1);
    EXPECT_EQ(occurrences(html, "Door &lt;b&gt;&amp;&quot;x&quot;"), 1);
}

TEST(ConfigReport, EachRegisteredDeviceOfARegisteredBoardIsListedOnce) {
    auto store = freshStore();
    store->ioBoards.working.registration(3) = 1;
    registerDevice(*store, 1, 1, 5, u"Pos-A");
    registerDevice(*store, 1, 2, 324, u"Pos-B");
    registerDevice(*store, 3, 1, 1, u"Pos-C").registration = 2; // shown as "Error", not hidden
    registerDevice(*store, kVirtualBoard2, 2, 7, u"Pos-D");
    registerDevice(*store, 1, 1, 6, u"Pos-Unregistered").registration = 0;
    registerDevice(*store, 2, 1, 1, u"Pos-Board-2"); // board 2 is not registered

    const auto sections = reportSections(*store, MemoryFolder(), {});
    const std::string html = reportHtml(sections);
    for (const char* position : {"Pos-A", "Pos-B", "Pos-C", "Pos-D"}) {
        EXPECT_EQ(occurrences(html, position), 1) << position;
    }
    EXPECT_EQ(occurrences(html, "Pos-Unregistered"), 0);
    EXPECT_EQ(occurrences(html, "Pos-Board-2"), 0);
    EXPECT_NE(html.find("<td>001 Error (2)</td>"), std::string::npos);
    const auto names = titles(sections);
    for (const char* title : {"Devices IO01 loop 1", "Devices IO01 loop 2", "Devices IO03 loop 1",
                              "Devices V2 loop 2"}) {
        EXPECT_TRUE(contains(names, title)) << title;
    }
    EXPECT_FALSE(contains(names, "Devices IO03 loop 2"));
    EXPECT_FALSE(contains(names, "Devices IO02 loop 1"));
}

std::string sectionHtml(const std::vector<ReportSection>& sections, const std::string& title) {
    for (const ReportSection& section : sections) {
        if (section.title == title) {
            return section.html;
        }
    }
    return {};
}

TEST(ConfigReport, LinkageRulesReadInPageOrderWithTheirOutputs) {
    auto store = freshStore();
    registerDevice(*store, 1, 1, 17, u"Fan").equipType = 3;
    addGeneralRule(*store, 2, {17, 18}, 10);
    const int second = addGeneralRule(*store, 3, {20}, 10);
    // The second rule's output chain comes back to itself: read as its intact part.
    LinkageResultTable& result = store->linkageResults.working;
    const int output =
        outputChain(store->linkageInputs.working, result, second, LinkageKind::General).front();
    result.setNextLink(output, static_cast<std::uint16_t>(output));

    const std::string html =
        sectionHtml(reportSections(*store, MemoryFolder(), {}), "Linkage rules");
    const auto first = html.find("<td>general rule 1</td>");
    const auto next = html.find("<td>general rule 2</td>");
    ASSERT_NE(first, std::string::npos) << html;
    ASSERT_NE(next, std::string::npos);
    EXPECT_LT(first, next);
    const std::string typeName = toUtf8(deviceTypeName(3, store->deviceTypes));
    const auto firstOutputs =
        html.find("<td>01-1-017 " + typeName + "<br>01-1-018 (no registered device)</td>");
    EXPECT_GT(firstOutputs, first);
    EXPECT_LT(firstOutputs, next);
    EXPECT_EQ(occurrences(html, "01-1-020"), 1);
    EXPECT_GT(html.find("01-1-020"), next);
    EXPECT_NE(html.find("<td>010s</td>"), std::string::npos);
}

TEST(ConfigReport, APanelTableHasItsSectionOnlyWhenItHoldsSomething) {
    auto store = freshStore();
    const std::vector<std::string> panels{"Mimic LEDs", "Keypad points", "Hand control points",
                                          "Broadcast",  "Hydrant",       "Gas zones"};
    const auto empty = titles(reportSections(*store, MemoryFolder(), {}));
    for (const std::string& title : panels) {
        EXPECT_FALSE(contains(empty, title)) << title;
    }
    store->mimic.working.registration(2) = 1;
    KeypadPoint point;
    point.registration = 1;
    point.kind = KeypadPoint::kZoneKind;
    point.button = 4;
    point.target = 7;
    store->keypad.working.setPoint(0, point);
    store->gasZones.working.zone(3)[GasZoneTable::kRegistered] = 1;
    const auto filled = titles(reportSections(*store, MemoryFolder(), {}));
    for (const char* title : {"Mimic LEDs", "Keypad points", "Gas zones"}) {
        EXPECT_TRUE(contains(filled, title)) << title;
    }
    for (const char* title : {"Hand control points", "Broadcast", "Hydrant"}) {
        EXPECT_FALSE(contains(filled, title)) << title;
    }
}

TEST(ConfigReport, TheCoverTellsEachFilesChecksumAndTheCheckItsFindings) {
    auto store = freshStore();
    for (int address = 1; address <= 250; ++address) {
        store->devices(1).working.device(1, address).registration = 2; // an error each
    }
    MemoryFolder folder;
    test::FakePrompter prompter;
    ASSERT_EQ(dataExport(*store, folder, prompter).problems, 0);
    folder.files().at("M001ZONE.BIN").back() ^= 1;
    folder.files().at("M001NET_.BIN").resize(100);
    const auto sections = reportSections(*store, folder, {"2026-12-09", "/data"});
    const std::string cover = sections.front().html;
    EXPECT_NE(cover.find("<td>M001ZONE.BIN</td><td>548</td>"), std::string::npos) << cover;
    EXPECT_NE(cover.find("checksum does not match the contents</td>"), std::string::npos);
    EXPECT_NE(cover.find("<td>100 bytes, 3120 expected</td>"), std::string::npos);
    EXPECT_NE(cover.find("<td>M001IOBR.BIN</td><td>76</td>"), std::string::npos);
    EXPECT_EQ(occurrences(cover, "<td>ok</td>"), 48); // 50 written, two damaged
    EXPECT_NE(cover.find("Date: 2026-12-09"), std::string::npos);

    const auto findings = checkConfiguration(*store, folder, {.forController = true});
    const int listed =
        countFindings(findings, Severity::Error) + countFindings(findings, Severity::Warning);
    ASSERT_GT(listed, 200);
    const std::string check = sections.back().html;
    EXPECT_EQ(occurrences(check, "<li>"), 200);
    EXPECT_NE(check.find("... and " + std::to_string(listed - 200) + " more errors and warnings"),
              std::string::npos)
        << check;
}

TEST(ConfigReport, TheDocumentStandsAlone) {
    auto store = freshStore();
    const auto sections = reportSections(*store, MemoryFolder(), {});
    const std::string html = reportHtml(sections);
    EXPECT_EQ(html.rfind("<!DOCTYPE html>\n", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find(std::string(reportStyleSheet())), std::string::npos);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("http"), std::string::npos);
    EXPECT_EQ(html.find("src="), std::string::npos);
    EXPECT_EQ(occurrences(html, "<div class=\"newpage\">"), static_cast<int>(sections.size()) - 1);
}

} // namespace
} // namespace qb
