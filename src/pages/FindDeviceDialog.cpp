#include "FindDeviceDialog.h"

#include "base/CellText.h"
#include "store/DeviceCatalog.h"

namespace qb {

namespace {

constexpr std::array<std::u16string_view, FindDeviceDialog::kColumns> kCaptions{
    u"Board", u"Loop", u"Address", u"Type", u"Zone", u"Position"};

enum Column { BoardColumn, LoopColumn, AddressColumn, TypeColumn, ZoneColumn, PositionColumn };

} // namespace

std::span<const std::u16string_view> FindDeviceDialog::captions() {
    return kCaptions;
}

void FindDeviceDialog::type(std::u16string text) {
    m_text = std::move(text);
    searchAgain();
}

void FindDeviceDialog::searchAgain() {
    m_hits = findInStore(m_store, m_text);
    m_chosen = m_hits.empty() ? -1 : 0;
    if (m_text.empty()) {
        m_note.clear();
    } else if (m_hits.empty()) {
        m_note = u"Nothing found";
    } else {
        m_note = numberText(static_cast<long>(m_hits.size())) + u" found";
        if (listed() < static_cast<int>(m_hits.size())) {
            m_note += u"; the first " + numberText(listed()) + u" are listed: type more to narrow";
        }
    }
}

std::array<std::u16string, FindDeviceDialog::kColumns> FindDeviceDialog::row(int index) const {
    std::array<std::u16string, kColumns> cells;
    if (index < 0 || index >= static_cast<int>(m_hits.size())) {
        return cells;
    }
    const SearchHit& hit = m_hits[static_cast<std::size_t>(index)];
    cells[PositionColumn] = hit.text;
    switch (hit.kind) {
    case SearchHitKind::Zone:
        cells[BoardColumn] = u"Zone " + numberText(hit.number);
        break;
    case SearchHitKind::Display:
        cells[BoardColumn] = u"Display " + numberText(hit.number);
        break;
    case SearchHitKind::Device:
        cells[BoardColumn] = boardText(hit.board);
        cells[LoopColumn] = numberText(hit.loop);
        cells[AddressColumn] = numberText(hit.address);
        cells[TypeColumn] = hit.type;
        cells[ZoneColumn] = numberText(hit.zone);
        break;
    }
    return cells;
}

void FindDeviceDialog::choose(int index) {
    m_chosen = index >= 0 && index < listed() ? index : -1;
}

const SearchHit* FindDeviceDialog::chosenHit() const {
    return m_chosen < 0 ? nullptr : &m_hits[static_cast<std::size_t>(m_chosen)];
}

} // namespace qb
