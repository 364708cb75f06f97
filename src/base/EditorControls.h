#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qb {

// A drop-down list or list box of a dialog as the logic holds it; the view mirrors it.
struct ListControl {
    // A constructor rather than an aggregate: a list given only its entries and selection
    // ({items, -1}) says nothing when empty, without each such place naming the reason too.
    ListControl(std::vector<std::u16string> items = {}, int selected = -1,
                std::u16string emptyReason = {})
        : items(std::move(items)), selected(selected), emptyReason(std::move(emptyReason)) {}

    std::vector<std::u16string> items;
    int selected = -1;
    // What keeps the list empty and where to set it, one line for the installer to read in the
    // list's place: "what is missing: where to set it". It says nothing while there are entries,
    // and it is never an entry itself: nothing can be chosen from an empty list.
    std::u16string emptyReason;

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

// A list offering `items`, nothing chosen, that says `reason` should there be none.
ListControl offeredList(std::vector<std::u16string> items, std::u16string_view reason);

// A list of what one loop of one board holds, empty until both are chosen: it says which of them
// is missing, or repeats why the board list is empty when that offers none. Once both are chosen
// it says nothing, as the caller fills it then.
ListControl awaitingBoardAndLoop(const ListControl& boards, const ListControl& loops);

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
