#include "ConfigDump.h"

#include "JsonWriter.h"
#include "check/LinkageRuleViews.h"
#include "files/FileNames.h"
#include "files/TextCodec.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "store/DeviceCatalog.h"
#include "store/LittleEndian.h"
#include "store/ModeNames.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace qb {

namespace {

using Value = JsonValue;
using Object = JsonObject;
using Array = JsonArray;

void printText(const Value& value, std::ostream& out, int depth) {
    const std::string indent(2 * depth, ' ');
    if (const Object* object = std::get_if<Object>(&value.content)) {
        for (const auto& [key, member] : *object) {
            const bool nested = !std::holds_alternative<long>(member.content) &&
                                !std::holds_alternative<std::string>(member.content);
            out << indent << key << ':';
            if (nested) {
                out << '\n';
                printText(member, out, depth + 1);
            } else {
                out << ' ';
                printText(member, out, 0);
                out << '\n';
            }
        }
    } else if (const Array* array = std::get_if<Array>(&value.content)) {
        for (const Value& item : *array) {
            if (std::holds_alternative<Object>(item.content)) {
                out << indent << "-\n";
                printText(item, out, depth + 1);
            } else {
                out << indent << "- ";
                printText(item, out, 0);
                out << '\n';
            }
        }
    } else if (const long* number = std::get_if<long>(&value.content)) {
        out << *number;
    } else {
        out << std::get<std::string>(value.content);
    }
}

std::string utf8(std::u16string_view text) {
    return toUtf8(text);
}

Array zones(const ConfigStore& s) {
    Array list;
    for (int z = 1; z <= zoneCount(s.systemCode()); ++z) {
        const ZoneRecord& zone = s.zones.working.zone(z);
        if (zone.registration != 0) {
            list.push_back(Object{{"zone", z},
                                  {"registration", zone.registration},
                                  {"name", utf8(zone.name.view())}});
        }
    }
    return list;
}

Object hosts(const ConfigStore& s) {
    const NetworkTable& net = s.network.working;
    Array registered;
    for (int h = 1; h <= NetworkTable::kHosts; ++h) {
        if (net.hostRegistration(h) != 0) {
            registered.push_back(Object{
                {"host", h}, {"registration", net.hostRegistration(h)}, {"type", net.hostType(h)}});
        }
    }
    Object hosts{{"current", hostNumberText(net.hostIndex())}, {"share", net.share()}};
    hosts.emplace_back("registered", std::move(registered));
    return hosts;
}

std::string displayTypeText(std::uint8_t type) {
    const std::u16string_view name = displayTypeName(type);
    return name.empty() ? "unknown" : utf8(name);
}

Array displays(const ConfigStore& s) {
    Array list;
    for (int d = 1; d <= DisplayTable::kDisplays; ++d) {
        const DisplayRecord& display = s.displays.working.display(d);
        if (display.registration != 0) {
            list.push_back(Object{{"display", d},
                                  {"type", displayTypeText(display.type)},
                                  {"zone", display.zone + 1},
                                  {"name", utf8(display.name.view())}});
        }
    }
    return list;
}

Array boards(const ConfigStore& s) {
    Array list;
    for (int i = 1; i <= ioBoardCount(s.systemCode()); ++i) {
        if (s.ioBoards.working.registration(i) != 0) {
            list.push_back(i);
        }
    }
    return list;
}

Array devices(const ConfigStore& s) {
    Array list;
    for (int j = 1; j <= kDeviceFileCount; ++j) {
        const auto& records = s.devices(j).working.records;
        for (int index = 0; index < BoardDevices::kRecords; ++index) {
            const DeviceRecord& d = records[static_cast<std::size_t>(index)];
            if (d.registration == 0) {
                continue;
            }
            list.push_back(Object{{"board", utf8(boardText(j))},
                                  {"loop", BoardDevices::loopOf(index)},
                                  {"address", BoardDevices::addressOf(index)},
                                  {"registration", d.registration},
                                  {"equip", utf8(deviceTypeName(d.equipType, s.deviceTypes))},
                                  {"productType", utf8(productTypeName(d.productType))},
                                  {"zone", d.zone + 1},
                                  {"output", utf8(outputModeName(d.outputMode))},
                                  {"work", utf8(workModeName(d.workMode))},
                                  {"position", utf8(d.position.view())}});
        }
    }
    return list;
}

Array linkage(const ConfigStore& s) {
    const LinkageInputTable& in = s.linkageInputs.working;
    const LinkageResultTable& out = s.linkageResults.working;
    Array rules;
    for (const LinkageKind kind : kAllLinkageKinds) {
        const std::vector<int> chain = ruleChain(in, kind);
        // The views walk the chain the same way, skipping the mimic LED records of kind list 5,
        // which show no inputs here.
        const std::vector<RuleView> views = ruleViews(s, kind);
        std::size_t nextView = 0;
        for (std::size_t page = 0; page < chain.size(); ++page) {
            const int record = chain[page];
            const auto bytes = in.record(record);
            Array outputs;
            const std::vector<int> outputIndices = outputChain(in, out, record, kind);
            for (std::size_t n = 0; n < outputIndices.size(); ++n) {
                const auto output = out.record(outputIndices[n]);
                outputs.push_back(utf8(outputDisplayText(
                    static_cast<int>(n + 1), output[LinkageResultTable::kLoopIndex],
                    le::readU16(output, LinkageResultTable::kAddress), s)));
            }
            Object rule{{"kind", kindNumber(kind)},
                        {"page", static_cast<int>(page + 1)},
                        {"record", record},
                        {"reg", bytes[regOffset(kind)]},
                        {"delay", bytes[delayOffset(kind)]}};
            if (nextView < views.size() && views[nextView].record == record) {
                const RuleView* view = &views[nextView++];
                rule.emplace_back("inputs", Array(view->inputs.begin(), view->inputs.end()));
                if (view->fireSignals) {
                    rule.emplace_back("fireSignals", int(*view->fireSignals));
                }
            }
            rule.emplace_back("outputs", std::move(outputs));
            rules.push_back(std::move(rule));
        }
    }
    return rules;
}

Object mimic(const ConfigStore& s) {
    Array modules;
    for (int m = 1; m <= MimicTable::kModules; ++m) {
        if (s.mimic.working.registration(m) != 0) {
            modules.push_back(m);
        }
    }
    Object mimic{{"mode", s.mimic.working.mode()}};
    mimic.emplace_back("registered", std::move(modules));
    return mimic;
}

Array keypads(const ConfigStore& s) {
    Array list;
    const KeypadTable& keypad = s.keypad.working;
    for (int n = 0; n < keypad.pointCount(); ++n) {
        const KeypadPoint p = keypad.point(n);
        Object point{{"point", n + 1}, {"reg", p.registration}, {"button", p.button}};
        if (p.fieldDevice()) {
            point.emplace_back("board", p.target);
            point.emplace_back("loop", p.loop);
            point.emplace_back("address", p.address);
        } else {
            point.emplace_back("zone", p.target);
        }
        list.push_back(std::move(point));
    }
    return list;
}

// The records of a panel table that differ from its start-up contents, numbered from 1, with
// their bytes in hex: enough to see what a set holds and to compare two sets.
template <class Table> Array changedRecords(const Table& table, const FileHeader& headerTemplate) {
    constexpr std::size_t recordSize = Table::kRecordSize;
    const Table startUp = Table::defaults(headerTemplate);
    Array list;
    for (std::size_t at = 0; at + recordSize <= table.data.size(); at += recordSize) {
        const auto record = std::span(table.data).subspan(at, recordSize);
        if (std::equal(record.begin(), record.end(), startUp.data.begin() + at)) {
            continue;
        }
        constexpr std::string_view kHexDigits = "0123456789ABCDEF";
        std::string bytes;
        for (const std::uint8_t byte : record) {
            if (!bytes.empty()) {
                bytes += ' ';
            }
            bytes += kHexDigits[byte >> 4];
            bytes += kHexDigits[byte & 0x0F];
        }
        list.push_back(Object{{"record", static_cast<int>(at / recordSize + 1)}, {"bytes", bytes}});
    }
    return list;
}

Object panels(const ConfigStore& s) {
    const FileHeader& headerTemplate = s.headerTemplate();
    Object panels;
    panels.emplace_back("handControl", changedRecords(s.handControl.working, headerTemplate));
    panels.emplace_back("broadcast", changedRecords(s.broadcast.working, headerTemplate));
    panels.emplace_back("broadcastPoints",
                        changedRecords(s.broadcastPoints.working, headerTemplate));
    panels.emplace_back("hydrant", changedRecords(s.hydrant.working, headerTemplate));
    panels.emplace_back("gasZones", changedRecords(s.gasZones.working, headerTemplate));
    return panels;
}

Value document(const ConfigStore& s) {
    // Added one by one, as a braced list would copy every table's whole list once more.
    Object document;
    document.emplace_back("systemCode", toByte(s.systemCode()));
    document.emplace_back("zones", zones(s));
    document.emplace_back("hosts", hosts(s));
    document.emplace_back("displays", displays(s));
    document.emplace_back("ioBoards", boards(s));
    document.emplace_back("devices", devices(s));
    document.emplace_back("linkage", linkage(s));
    document.emplace_back("mimic", mimic(s));
    document.emplace_back("keypads", keypads(s));
    document.emplace_back("panels", panels(s));
    return document;
}

} // namespace

void dumpText(const ConfigStore& store, std::ostream& out) {
    printText(document(store), out, 0);
}

void dumpJson(const ConfigStore& store, std::ostream& out) {
    writeJson(document(store), out);
    out << '\n';
}

} // namespace qb
