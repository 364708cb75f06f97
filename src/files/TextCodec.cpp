#include "TextCodec.h"

#include <algorithm>
#include <utf8.h>

namespace qb {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLow(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Calls `emit` with the UTF-8 bytes of each character of the name in turn.
template <class Emit> void forEachCharacter(std::u16string_view name, Emit emit) {
    std::string bytes;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char32_t cp = name[i];
        if (isHigh(name[i]) && i + 1 < name.size() && isLow(name[i + 1])) {
            cp = 0x10000 + ((static_cast<char32_t>(name[i]) - 0xD800) << 10) +
                 (static_cast<char32_t>(name[i + 1]) - 0xDC00);
            ++i;
        } else if (isHigh(name[i]) || isLow(name[i])) {
            cp = kReplacement;
        }
        bytes.clear();
        utf8::append(cp, std::back_inserter(bytes));
        if (!emit(bytes)) {
            return;
        }
    }
}

} // namespace

std::string toUtf8(std::u16string_view name) {
    std::string out;
    forEachCharacter(name, [&](const std::string& bytes) {
        out += bytes;
        return true;
    });
    return out;
}

std::optional<std::string> encodeWithin(std::u16string_view name, std::size_t limitBytes) {
    std::string out = toUtf8(name);
    if (out.size() > limitBytes) {
        return std::nullopt;
    }
    return out;
}

std::string encodeTruncated(std::u16string_view name, std::size_t limitBytes) {
    std::string out;
    forEachCharacter(name, [&](const std::string& bytes) {
        if (out.size() + bytes.size() > limitBytes) {
            return false;
        }
        out += bytes;
        return true;
    });
    return out;
}

std::u16string fromUtf8(std::string_view text) {
    // Most names are plain ASCII: those need no validation.
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; })) {
        return std::u16string(text.begin(), text.end());
    }
    return utf8::utf8to16(utf8::replace_invalid(std::string(text), kReplacement));
}

std::u16string decodeField(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), 0);
    return fromUtf8(std::string_view(reinterpret_cast<const char*>(field.data()),
                                     static_cast<std::size_t>(end - field.begin())));
}

void putField(std::span<std::uint8_t> field, std::string_view text) {
    std::fill(field.begin(), field.end(), 0);
    const std::size_t length = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), length, field.begin());
}

} // namespace qb
