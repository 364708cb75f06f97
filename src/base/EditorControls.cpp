#include "EditorControls.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace qb {

void ListControl::selectText(const std::u16string& text) {
    const auto found = std::find(items.begin(), items.end(), text);
    selected = found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

ListControl offeredList(std::vector<std::u16string> items, std::u16string_view reason) {
    ListControl list(std::move(items));
    if (list.items.empty()) {
        list.emptyReason = reason;
    }
    return list;
}

ListControl awaitingBoardAndLoop(const ListControl& boards, const ListControl& loops) {
    if (boards.items.empty() && !boards.emptyReason.empty()) {
        return {{}, -1, boards.emptyReason};
    }
    if (!boards.chosen()) {
        return {{}, -1, u"no board chosen: choose one to list what it holds"};
    }
    if (!loops.chosen()) {
        return {{}, -1, u"no loop chosen: choose one to list what it holds"};
    }
    return {};
}

namespace paging {

std::u16string label(int page, int count) {
    char text[48];
    std::snprintf(text, sizeof text, "Cond. %ld/%ld", static_cast<long>(page),
                  static_cast<long>(count));
    return std::u16string(text, text + std::strlen(text));
}

std::u16string plainLabel(int page, int count) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d", page, count);
    return std::u16string(text, text + std::strlen(text));
}

std::optional<int> typedPage(const std::u16string& text, int last, int first) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
        return std::nullopt;
    }
    int page = 0;
    for (char16_t c : text) {
        page = page * 10 + (c - u'0');
    }
    if (page < first || page > last) {
        return std::nullopt;
    }
    return page;
}

} // namespace paging

} // namespace qb
