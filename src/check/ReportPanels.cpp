#include "ChangeLine.h"
#include "HtmlWriter.h"
#include "PanelViews.h"
#include "ReportSections.h"
#include "devices/HydrantChains.h"
#include "devices/MimicLedRecords.h"
#include "store/ConfigStore.h"

#include <algorithm>

namespace qb::report {

namespace {

using difftext::number;

// A record of a table with what it is called in its first column: "4", "3 / 17".
struct Row {
    std::string label;
    RecordFields fields;
};

// One row per record: its label, its registration, its values in the order of its view, and its
// outputs one under the other where the table has them. `captions` name those columns.
void recordTable(HtmlWriter& html, std::initializer_list<std::string_view> captions,
                 const std::vector<Row>& rows) {
    html.beginTable(captions);
    for (const Row& row : rows) {
        html.beginRow();
        html.cell(row.label);
        html.cell(registrationMark(row.fields.registration));
        for (const auto& field : row.fields.fields) {
            html.cell(field.second);
        }
        if (row.fields.hasOutputs) {
            html.cellLines(row.fields.outputs.empty() ? std::vector<std::string>{"none"}
                                                      : row.fields.outputs);
        }
        html.endRow();
    }
    html.endTable();
}

// The views of slots 0..count-1, those that exist, numbered from 1.
template <class View> std::vector<Row> rowsOf(const ConfigStore& store, int count, View view) {
    std::vector<Row> rows;
    for (int index = 0; index < count; ++index) {
        if (auto fields = view(store, index)) {
            rows.push_back({number(index + 1), std::move(*fields)});
        }
    }
    return rows;
}

// Whether record `index` of a table differs from its start-up contents.
template <class Table> bool changed(const Table& table, const Table& startUp, int index) {
    const auto is = table.record(index);
    const auto was = startUp.record(index);
    return !std::equal(is.begin(), is.end(), was.begin());
}

void addMimic(const ConfigStore& store, std::vector<ReportSection>& sections) {
    const MimicTable& mimic = store.mimic.working;
    const mimicrecords::Settings leds = mimicrecords::load(store.linkageInputs.working);
    std::vector<Row> rows;
    for (int m = 0; m < mimicrecords::kModules; ++m) {
        for (int led = 0; led < mimicrecords::kLeds; ++led) {
            const MimicLed& setting = leds[m][led];
            if (!(setting == MimicLed{})) {
                rows.push_back({number(m + 1) + " / " + number(led + 1), mimicLedView(setting)});
            }
        }
    }
    std::string modules;
    for (int m = 1; m <= MimicTable::kModules; ++m) {
        if (mimic.registration(m) != 0) {
            modules.append(modules.empty() ? "" : ", ").append(number(m));
            if (mimic.registration(m) != 1) {
                modules.append(" ").append(registrationMark(mimic.registration(m)));
            }
        }
    }
    if (modules.empty() && rows.empty()) {
        return;
    }
    HtmlWriter html;
    html.heading(2, "Mimic LEDs");
    html.lines({"Registered modules: " + (modules.empty() ? std::string("none") : modules),
                "Mode: " + difftext::onOff(mimic.mode())});
    if (!rows.empty()) {
        recordTable(html, {"Module / LED", "Reg", "Cause", "Indication", "Host", "Loop", "Shows"},
                    rows);
    }
    sections.push_back({"Mimic LEDs", html.take()});
}

void addTableSection(std::vector<ReportSection>& sections, const std::string& title,
                     std::initializer_list<std::string_view> captions,
                     const std::vector<Row>& rows) {
    if (rows.empty()) {
        return;
    }
    HtmlWriter html;
    html.heading(2, title);
    recordTable(html, captions, rows);
    sections.push_back({title, html.take()});
}

void addBroadcast(const ConfigStore& store, std::vector<ReportSection>& sections) {
    const BroadcastTable& table = store.broadcast.working;
    const BroadcastTable startUp = BroadcastTable::defaults(store.headerTemplate());
    std::vector<Row> controllers;
    for (int index = 0; index < BroadcastTable::kControllers; ++index) {
        if (changed(table, startUp, index)) {
            controllers.push_back({number(index + 1), *broadcastControllerView(store, index)});
        }
    }
    const std::vector<Row> points =
        rowsOf(store, BroadcastPointTable::kRecords, broadcastPointView);
    if (controllers.empty() && points.empty()) {
        return;
    }
    HtmlWriter html;
    html.heading(2, "Broadcast");
    if (!controllers.empty()) {
        html.heading(3, "Controllers");
        recordTable(html, {"Controller", "Reg", "Points"}, controllers);
    }
    if (!points.empty()) {
        html.heading(3, "Broadcast points");
        recordTable(html, {"No.", "Reg", "Controller", "Point", "Module"}, points);
    }
    sections.push_back({"Broadcast", html.take()});
}

void addGasZones(const ConfigStore& store, std::vector<ReportSection>& sections) {
    const GasZoneTable& table = store.gasZones.working;
    const GasZoneTable startUp = GasZoneTable::defaults(store.headerTemplate());
    std::vector<Row> rows;
    for (int index = 0; index < GasZoneTable::kZones; ++index) {
        if (changed(table, startUp, index)) {
            rows.push_back({number(index + 1, 2), *gasZoneView(store, index)});
        }
    }
    if (rows.empty()) {
        return;
    }
    HtmlWriter html;
    html.heading(2, "Gas zones");
    recordTable(html,
                {"Zone", "Reg", "Manual release", "Confirmation", "Manual delay", "Release delay",
                 "Horn button", "Smoke", "Heat", "Valve drive"},
                rows);
    sections.push_back({"Gas zones", html.take()});
}

} // namespace

void addPanels(const ConfigStore& store, std::vector<ReportSection>& sections) {
    addMimic(store, sections);
    addTableSection(sections, "Keypad points", {"Point", "Reg", "Button", "Target"},
                    rowsOf(store, store.keypad.working.pointCount(), keypadPointView));
    addTableSection(sections, "Hand control points", {"Point", "Reg", "Input", "Output"},
                    rowsOf(store, store.handControl.working.pointCount(), handControlPointView));
    addBroadcast(store, sections);
    addTableSection(sections, "Hydrant", {"Input", "Reg", "Module", "Rule", "Outputs"},
                    rowsOf(store, HydrantTable::kInputs, hydrantInputView));
    addGasZones(store, sections);
}

} // namespace qb::report
