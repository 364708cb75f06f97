#include "ChangeLine.h"

#include "files/TextCodec.h"
#include "store/DeviceCatalog.h"

#include <algorithm>
#include <charconv>

namespace qb {

std::string& ChangeLine::next() {
    m_line += m_changes++ == 0 ? ": " : ", ";
    return m_line;
}

void ChangeLine::add(std::string change) {
    next() += change;
}

void ChangeLine::field(std::string_view name, const std::string& before, const std::string& after) {
    if (before == after) {
        return;
    }
    std::string& line = next();
    if (!name.empty()) {
        line.append(name).append(" ");
    }
    line.append(before).append(" -> ").append(after);
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

void ChangeLine::writeTo(ChangeLines& lines) {
    if (m_changes > 0) {
        lines.push_back(std::move(m_line));
        m_changes = 0;
    }
}

namespace difftext {

std::string number(long value, int width) {
    char digits[24];
    std::string text(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    if (width > static_cast<int>(text.size())) {
        // The zeros go after the sign, as "%0*ld" puts them.
        text.insert(value < 0 ? 1 : 0, static_cast<std::size_t>(width) - text.size(), '0');
    }
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
    const bool virtualBoard = fileNumber == kVirtualBoard1 || fileNumber == kVirtualBoard2;
    std::string text = virtualBoard ? "" : "IO";
    text += toUtf8(boardText(fileNumber));
    text += "-L";
    text += number(loop);
    text += '-';
    text += number(address, 3);
    return text;
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
