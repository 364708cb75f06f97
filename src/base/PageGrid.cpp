#include "PageGrid.h"

#include <string>

namespace qb {

void PageGrid::reset(int rows, std::vector<std::u16string> captions, std::vector<int> widthsTwips) {
    m_rows = rows;
    m_widths = std::move(widthsTwips);
    m_cells.assign(static_cast<std::size_t>(m_rows) * m_widths.size(), std::u16string());
    for (int c = 0; c < columns() && c < static_cast<int>(captions.size()); ++c) {
        setText(0, c, std::move(captions[c]));
    }
    for (int r = 1; r < m_rows; ++r) {
        const std::string number = std::to_string(r);
        setText(r, 0, std::u16string(number.begin(), number.end()));
    }
}

} // namespace qb
