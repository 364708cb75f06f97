#include "GasZoneEditor.h"

#include "base/CellText.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"
#include "store/ModuleList.h"

#include <cstddef>

namespace qb {

namespace {

using Table = GasZoneTable;

// How a list stands for its byte of the record.
struct Field {
    enum Kind {
        Pair,   // two entries for two codes, any other code showing as the second
        Number, // the entry at the value, counted from `first`
        Valve   // "Constant" for its own code, else the entry at the value
    };
    std::size_t offset;
    Kind kind;
    std::uint8_t first = 0;
    std::uint8_t second = 0;
};

constexpr std::array<Field, GasZoneEditor::kParameters> kFields{{
    {Table::kManualRelease, Field::Pair, Table::kAllow, Table::kForbid},
    {Table::kManualDelay, Field::Number},
    {Table::kHornButton, Field::Pair, Table::kAllow, Table::kForbid},
    {Table::kConfirmInput, Field::Pair, Table::kPressureSwitch, Table::kRelayDriver},
    {Table::kValveDrive, Field::Valve},
    {Table::kSmokeCount, Field::Number},
    {Table::kHeatCount, Field::Number, 1},
    {Table::kReleaseDelay, Field::Number},
}};

std::vector<std::u16string> numbers(int first, int last, std::u16string_view unit = u"") {
    std::vector<std::u16string> items;
    for (int n = first; n <= last; ++n) {
        items.push_back(numberText(n) + std::u16string(unit));
    }
    return items;
}

std::vector<std::u16string> itemsOf(int parameter) {
    switch (parameter) {
    case GasZoneEditor::ManualRelease:
    case GasZoneEditor::HornButton:
        return {u"Allow", u"Forbid"};
    case GasZoneEditor::ManualDelay:
        return numbers(0, 10, u"s");
    case GasZoneEditor::ConfirmInput:
        return {u"PresrSwith", u"RelayDriver"};
    case GasZoneEditor::ValveDrive:
        return {u"Constant", u"5", u"10s", u"15s", u"20s", u"25s", u"30s"};
    case GasZoneEditor::SmokeCount:
        return numbers(0, 10);
    case GasZoneEditor::HeatCount:
        return numbers(1, 10);
    default:
        return numbers(0, 30, u"s");
    }
}

int entryFor(const Field& field, std::uint8_t value) {
    switch (field.kind) {
    case Field::Pair:
        return value == field.first ? 0 : 1;
    case Field::Valve:
        return value == Table::kValveConstant ? 0 : value;
    default:
        return value - field.first;
    }
}

std::uint8_t valueOf(const Field& field, int entry) {
    switch (field.kind) {
    case Field::Pair:
        return entry == 0 ? field.first : field.second;
    case Field::Valve:
        return entry == 0 ? Table::kValveConstant : static_cast<std::uint8_t>(entry);
    default:
        return static_cast<std::uint8_t>(entry + field.first);
    }
}

} // namespace

GasZoneEditor::GasZoneEditor(ConfigStore& store, Prompter& prompter, TableWriter write)
    : m_store(store), m_prompter(prompter), m_write(write) {}

void GasZoneEditor::open() {
    for (int p = 0; p < kParameters; ++p) {
        parameters[p].items = itemsOf(p);
    }
    // The lists start from the values every zone has at start-up.
    show(Table::defaults(m_store.headerTemplate()).zone(1));

    m_zoneNumbers.clear();
    std::vector<std::u16string> registered;
    const Table& table = m_store.gasZones.working;
    for (int z = 1; z <= Table::kZones; ++z) {
        if (table.zone(z)[Table::kRegistered] == 1) {
            registered.push_back(numberText(z));
            m_zoneNumbers.push_back(z);
        }
    }
    zones = offeredList(std::move(registered), emptyreason::kNoGasZones);
    if (zones.items.empty()) {
        m_prompter.inform(kNoZoneRegistered, kProgramName);
        return;
    }
    chooseZone(0);
}

void GasZoneEditor::chooseZone(int index) {
    zones.select(index);
    if (zones.chosen()) {
        show(m_store.gasZones.working.zone(m_zoneNumbers[static_cast<std::size_t>(index)]));
    }
}

bool GasZoneEditor::pressOk() {
    if (!zones.chosen()) {
        m_prompter.inform(kSelectZone, kProgramName);
        return false;
    }
    Table& table = m_store.gasZones.working;
    const Table kept = table;
    const auto record = table.zone(m_zoneNumbers[static_cast<std::size_t>(zones.selected)]);
    store(record);
    if (record[Table::kSmokeCount] + record[Table::kHeatCount] < 2) {
        m_prompter.inform(kTooFewDetectors, kProgramName);
        table = kept;
        return false;
    }
    if (!m_write(m_store, m_prompter)) {
        return false; // the writer has said why; the record waits in the working copy
    }
    m_prompter.inform(kSaved, kProgramName);
    return true;
}

void GasZoneEditor::show(std::span<const std::uint8_t> record) {
    for (int p = 0; p < kParameters; ++p) {
        const Field& field = kFields[static_cast<std::size_t>(p)];
        parameters[p].select(entryFor(field, record[field.offset]));
    }
}

void GasZoneEditor::store(std::span<std::uint8_t> record) const {
    for (int p = 0; p < kParameters; ++p) {
        // A list that could show no entry for a damaged byte leaves that byte as it was.
        if (parameters[p].chosen()) {
            const Field& field = kFields[static_cast<std::size_t>(p)];
            record[field.offset] = valueOf(field, parameters[p].selected);
        }
    }
}

} // namespace qb
