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

// The length of the text without a last character that lacks some of its bytes.
std::size_t withoutCutCharacter(std::span<const std::uint8_t> text) {
    std::size_t start = text.size(); // walks back over at most three continuation bytes
    while (start > 0 && text.size() - start < 3 && (text[start - 1] & 0xC0) == 0x80) {
        --start;
    }
    if (start == 0) {
        return text.size();
    }
    const std::uint8_t lead = text[start - 1];
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return text.size() - (start - 1) < length ? start - 1 : text.size();
}

} // namespace

std::string toUtf8(std::u16string_view name) {
    // Most names are plain ASCII: their units are their bytes.
    if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; })) {
        return std::string(name.begin(), name.end());
    }
    std::string out;
    forEachCharacter(name, [&](const std::string& bytes) {
        out += bytes;
        return true;
    });
    return out;
}

std::size_t utf8Size(std::u16string_view name) {
    std::size_t size = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i];
        if (unit < 0x80) {
            size += 1;
        } else if (unit < 0x800) {
            size += 2;
        } else if (isHigh(unit) && i + 1 < name.size() && isLow(name[i + 1])) {
            size += 4; // a pair is one character of four bytes
            ++i;
        } else {
            size += 3; // a lone surrogate becomes U+FFFD, three bytes like the others
        }
    }
    return size;
}

bool putFieldWithin(std::span<std::uint8_t> field, std::u16string_view name,
                    std::size_t limitBytes) {
    std::fill(field.begin(), field.end(), 0);
    // Plain ASCII, by far the most usual, is measured and copied without building the text.
    if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; })) {
        if (name.size() > limitBytes) {
            return false;
        }
        std::copy_n(name.begin(), std::min(name.size(), field.size() - 1), field.begin());
        return true;
    }
    if (utf8Size(name) > limitBytes) {
        return false;
    }
    putField(field, toUtf8(name));
    return true;
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

std::u16string decodeCutField(std::span<const std::uint8_t> held) {
    if (std::find(held.begin(), held.end(), 0) != held.end()) {
        return decodeField(held);
    }
    return decodeField(held.first(withoutCutCharacter(held)));
}

void putField(std::span<std::uint8_t> field, std::string_view text) {
    std::fill(field.begin(), field.end(), 0);
    const std::size_t length = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), length, field.begin());
}

} // namespace qb
