#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace qb {

// A small document model for what the commands print: numbers, texts, objects whose members
// keep their order, and arrays. `dump` also prints it as indented text.
struct JsonValue;
using JsonObject = std::vector<std::pair<std::string, JsonValue>>;
using JsonArray = std::vector<JsonValue>;
struct JsonValue {
    std::variant<long, std::string, JsonObject, JsonArray> content;
    JsonValue(long v) : content(v) {}
    JsonValue(int v) : content(static_cast<long>(v)) {}
    JsonValue(std::string v) : content(std::move(v)) {}
    JsonValue(const char* v) : content(std::string(v)) {}
    JsonValue(JsonObject v) : content(std::move(v)) {}
    JsonValue(JsonArray v) : content(std::move(v)) {}
};

// The value as JSON, two spaces per level, one member or element a line; no newline after it.
void writeJson(const JsonValue& value, std::ostream& out);

// A text as a JSON string, quotes included.
std::string jsonString(const std::string& text);

} // namespace qb
