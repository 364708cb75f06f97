#include "ColumnBatchDialog.h"

#include "DeviceColumns.h"
#include "TypedValueChecks.h"
#include "base/CellText.h"

#include <utility>

namespace qb {

ColumnBatchDialog::ColumnBatchDialog(int column, std::u16string prompt,
                                     std::vector<std::u16string> items, int addressLimit,
                                     Prompter& prompter)
    : range(addressLimit), m_column(column), m_prompter(prompter), m_prompt(std::move(prompt)),
      m_items(std::move(items)) {}

ColumnBatchDialog::ColumnBatchDialog(int column, Prompter& prompter)
    : range(kAddressLimit), m_column(column), m_prompter(prompter) {
    const DeviceColumn* c = deviceColumn(column);
    if (!c || !c->batchPrompt) {
        return;
    }
    m_prompt = c->batchPrompt;
    m_items = c->batchChoices ? c->batchChoices() : c->choices();
    m_selected = c->batchPreselected;
}

void ColumnBatchDialog::choose(int index) {
    if (index >= 0 && index < static_cast<int>(m_items.size())) {
        m_selected = index;
    }
}

bool PositionDescriptionDialog::pressOk() {
    if (!range.check(m_prompter, AddressRange::Order::AddressLimitFirst)) {
        return false;
    }
    if (fitsTextField(limitLength(description, kDescriptionLength), m_limitBytes,
                      "Position Description", m_prompter)) {
        return true;
    }
    description.clear();
    return false;
}

} // namespace qb
