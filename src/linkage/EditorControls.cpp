#include "EditorControls.h"

#include <algorithm>

namespace qb {

void ListControl::selectText(const std::u16string& text) {
    const auto found = std::find(items.begin(), items.end(), text);
    selected = found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

} // namespace qb
