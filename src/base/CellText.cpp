#include "CellText.h"

#include <climits>
#include <cstdio>

namespace qb {

std::u16string numberText(long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*ld", width, value);
    return ascii(text);
}

long leadingInteger(std::u16string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value < INT_MAX) {
            value = value * 10 + (text[i] - u'0');
        }
    }
    if (value > INT_MAX) {
        value = INT_MAX;
    }
    return negative ? -value : value;
}

std::u16string limitLength(std::u16string_view text, std::size_t units) {
    if (text.size() <= units) {
        return std::u16string(text);
    }
    std::size_t length = units;
    if (length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
        --length;
    }
    return std::u16string(text.substr(0, length));
}

std::u16string ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace qb
