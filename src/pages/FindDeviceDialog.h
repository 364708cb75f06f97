#pragma once

#include "check/DeviceSearch.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

class ConfigStore;

// "Find Device": an edit box that searches the store as the installer types, and the list of
// what it finds. Activating the chosen hit is the main window's (MainWindowLogic::showChosenHit),
// which leaves a note here when no page shows that place.
class FindDeviceDialog {
public:
    static constexpr int kColumns = 6;
    // The list shows at most this many hits: more would only slow typing down, and a few
    // letters more narrow the search.
    static constexpr int kMostListed = 500;

    explicit FindDeviceDialog(const ConfigStore& store) : m_store(store) {}

    // "Board", "Loop", "Address", "Type", "Zone", "Position".
    static std::span<const std::u16string_view> captions();

    // The edit box now holds `text`: searches at once and chooses the first hit.
    void type(std::u16string text);
    // Searches again for the text held: the store may have changed since the last search.
    void searchAgain();

    const std::u16string& text() const { return m_text; }
    const std::vector<SearchHit>& hits() const { return m_hits; }
    // How many of the hits the list shows, the first ones.
    int listed() const { return std::min(static_cast<int>(m_hits.size()), kMostListed); }
    // The cells of hit `index` under the captions; a zone or display says so in "Board".
    std::array<std::u16string, kColumns> row(int index) const;

    // The hit chosen in the list, -1 for none.
    int chosen() const { return m_chosen; }
    void choose(int index);
    const SearchHit* chosenHit() const;

    // What the search found ("3 found", "Nothing found"), or why the chosen hit could not be
    // shown; empty before anything is typed.
    const std::u16string& note() const { return m_note; }
    void setNote(std::u16string note) { m_note = std::move(note); }

private:
    const ConfigStore& m_store;
    std::u16string m_text;
    std::vector<SearchHit> m_hits;
    int m_chosen = -1;
    std::u16string m_note;
};

} // namespace qb
