#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qb {

// A drop-down list or list box of a dialog as the logic holds it; the view mirrors it.
struct ListControl {
    std::vector<std::u16string> items;
    int selected = -1;

    bool chosen() const { return selected >= 0 && selected < static_cast<int>(items.size()); }
    const std::u16string& text() const {
        static const std::u16string none;
        return chosen() ? items[static_cast<std::size_t>(selected)] : none;
    }
    void select(int index) {
        selected = index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
    }
    // Selects the entry with this text; no selection when there is none.
    void selectText(const std::u16string& text);
};

// The paging row shared by the editors that show one point per page.
namespace paging {

// "Cond. %ld/%ld": the page shown and the number of pages.
std::u16string label(int page, int count);
// "%d/%d", as the broadcast and hydrant editors show it.
std::u16string plainLabel(int page, int count);

// The page "To" goes to: the number typed, when it is all digits and lies in `first`..`last`.
std::optional<int> typedPage(const std::u16string& text, int last, int first = 1);

} // namespace paging

} // namespace qb
