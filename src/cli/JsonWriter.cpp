#include "JsonWriter.h"

#include <cstdio>

namespace qb {

namespace {

void writeAt(const JsonValue& value, std::ostream& out, int depth) {
    const std::string indent(2 * (depth + 1), ' ');
    const std::string closing(2 * depth, ' ');
    if (const long* number = std::get_if<long>(&value.content)) {
        out << *number;
    } else if (const std::string* text = std::get_if<std::string>(&value.content)) {
        out << jsonString(*text);
    } else if (const JsonObject* object = std::get_if<JsonObject>(&value.content)) {
        out << '{';
        for (std::size_t i = 0; i < object->size(); ++i) {
            out << (i ? ",\n" : "\n") << indent << jsonString((*object)[i].first) << ": ";
            writeAt((*object)[i].second, out, depth + 1);
        }
        out << (object->empty() ? "}" : "\n" + closing + "}");
    } else {
        const JsonArray& array = std::get<JsonArray>(value.content);
        out << '[';
        for (std::size_t i = 0; i < array.size(); ++i) {
            out << (i ? ",\n" : "\n") << indent;
            writeAt(array[i], out, depth + 1);
        }
        out << (array.empty() ? "]" : "\n" + closing + "]");
    }
}

} // namespace

void writeJson(const JsonValue& value, std::ostream& out) {
    writeAt(value, out, 0);
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

} // namespace qb
