#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qb {

struct DeviceTypeTable;

// The lines of a comparison of two configurations, one per changed thing.
using ChangeLines = std::vector<std::string>;

// One line of a comparison: what changed, then each of its changes, joined by ", ":
// "device IO02-L1-017: registered, type OptDet -> HeatDet, zone 04 -> 05". A line with no change
// is not written.
class ChangeLine {
public:
    // The subject may come in parts: ChangeLine("device ", name).
    template <class... Parts> explicit ChangeLine(const Parts&... subject) {
        m_line.reserve(128);
        (m_line.append(std::string_view(subject)), ...);
    }

    // A change said in words of its own: "output 01-1-017 added".
    void add(std::string change);
    // "name before -> after" when the two differ; without a name, "before -> after".
    void field(std::string_view name, const std::string& before, const std::string& after);
    // The same for two values, put in words by `text` only when they differ: most fields of a
    // compared record are alike.
    template <class Value, class Text>
    void field(std::string_view name, const Value& before, const Value& after, Text text) {
        if (!(before == after)) {
            field(name, text(before), text(after));
        }
    }
    // "registered" for 0 -> 1, "unregistered" for 1 -> 0, else "registration 0 -> 2".
    void registration(std::uint8_t before, std::uint8_t after);
    // Each entry of one list but not of the other, as many times as it is missing there:
    // "<what> 01-1-017 added" / "... removed". The order within a list does not count.
    void listChanges(std::string_view what, const std::vector<std::string>& before,
                     const std::vector<std::string>& after);

    bool empty() const { return m_changes == 0; }
    // Adds the line to `lines` when it holds a change; the line is used up.
    void writeTo(ChangeLines& lines);

private:
    // Starts the next change: ": " after the subject, ", " after another change.
    std::string& next();

    std::string m_line; // the subject, then the changes as they come
    int m_changes = 0;
};

// How values read in the lines, in the forms the pages show them.
namespace difftext {

// Decimal, `width` padding with zeros: number(4, 2) is "04".
std::string number(long value, int width = 0);
// A name in double quotes, as UTF-8.
std::string quoted(std::u16string_view text);
// 1 "on", 0 "off", any other value as its number.
std::string onOff(std::uint8_t value);
// A registration byte as the start of a description: "registered", "not registered", or
// "registration 255".
std::string registered(std::uint8_t value);
// A device by device file number 1..42, loop and address: "IO02-L1-017"; the virtual boards
// as "V1-L2-120".
std::string device(int fileNumber, int loop, int address);
// An output module as the result lists show it: "02-1-017", "V1-2-120".
std::string output(int fileNumber, int loop, int address);
// The device type name of a code, or the code itself where no list names it.
std::string deviceType(int code, const DeviceTypeTable& table);
// Nothing for the own host (number 1..255), else " on host 002".
std::string onHost(int hostNumber, int ownHostNumber);

} // namespace difftext

} // namespace qb
