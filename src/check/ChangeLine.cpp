#include "ChangeLine.h"

#include "files/TextCodec.h"
#include "store/DeviceCatalog.h"

#include <algorithm>
#include <cstdio>

namespace qb {

void ChangeLine::add(std::string change) {
    m_changes.push_back(std::move(change));
}

void ChangeLine::field(std::string_view name, const std::string& before, const std::string& after) {
    if (before == after) {
        return;
    }
    std::string change(name);
    if (!change.empty()) {
        change += ' ';
    }
    m_changes.push_back(change + before + " -> " + after);
}

void ChangeLine::registration(std::uint8_t before, std::uint8_t after) {
    if (before == after) {
        return;
    }
    if (before == 0 && after == 1) {
        add("registered");
    } else if (before == 1 && after == 0) {
        add("unregistered");
    } else {
        field("registration", difftext::number(before), difftext::number(after));
    }
}

void ChangeLine::listChanges(std::string_view what, const std::vector<std::string>& before,
                             const std::vector<std::string>& after) {
    // Each entry of `from` that `other` does not match one for one.
    const auto unmatched = [](const std::vector<std::string>& from,
                              std::vector<std::string> other) {
        std::vector<std::string> left;
        for (const std::string& entry : from) {
            const auto found = std::find(other.begin(), other.end(), entry);
            if (found == other.end()) {
                left.push_back(entry);
            } else {
                other.erase(found);
            }
        }
        return left;
    };
    const std::string prefix = std::string(what) + ' ';
    for (const std::string& entry : unmatched(after, before)) {
        add(prefix + entry + " added");
    }
    for (const std::string& entry : unmatched(before, after)) {
        add(prefix + entry + " removed");
    }
}

void ChangeLine::writeTo(ChangeLines& lines) const {
    if (m_changes.empty()) {
        return;
    }
    std::string line = m_subject + ": ";
    for (std::size_t i = 0; i < m_changes.size(); ++i) {
        line += (i ? ", " : "") + m_changes[i];
    }
    lines.push_back(std::move(line));
}

namespace difftext {

std::string number(long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*ld", width, value);
    return text;
}

std::string quoted(std::u16string_view text) {
    return '"' + toUtf8(text) + '"';
}

std::string onOff(std::uint8_t value) {
    return value <= 1 ? (value == 1 ? "on" : "off") : number(value);
}

std::string registered(std::uint8_t value) {
    if (value <= 1) {
        return value == 1 ? "registered" : "not registered";
    }
    return "registration " + number(value);
}

std::string device(int fileNumber, int loop, int address) {
    const std::string board = toUtf8(boardText(fileNumber));
    const bool virtualBoard = fileNumber == kVirtualBoard1 || fileNumber == kVirtualBoard2;
    return (virtualBoard ? "" : "IO") + board + "-L" + number(loop) + '-' + number(address, 3);
}

std::string output(int fileNumber, int loop, int address) {
    return toUtf8(boardText(fileNumber)) + '-' + number(loop) + '-' + number(address, 3);
}

std::string deviceType(int code, const DeviceTypeTable& table) {
    const std::u16string name = deviceTypeName(code, table);
    return code != 0 && name == kNoTypeName ? number(code) : toUtf8(name);
}

std::string onHost(int hostNumber, int ownHostNumber) {
    return hostNumber == ownHostNumber ? "" : " on host " + number(hostNumber, 3);
}

} // namespace difftext

} // namespace qb
