#include "ColumnBatchDialog.h"

#include "base/CellText.h"
#include "store/DeviceCatalog.h"

#include <utility>

namespace qb {

ColumnBatchDialog::ColumnBatchDialog(int column, std::u16string prompt,
                                     std::vector<std::u16string> items, int addressLimit,
                                     Prompter& prompter)
    : range(addressLimit), m_column(column), m_prompter(prompter), m_prompt(std::move(prompt)),
      m_items(std::move(items)) {}

ColumnBatchDialog::ColumnBatchDialog(int column, Prompter& prompter)
    : range(kAddressLimit), m_column(column), m_prompter(prompter) {
    switch (column) {
    case 1:
        m_prompt = u"Choose whether or not register";
        m_items = {u"Not Reg", u"Reg"};
        m_selected = 0;
        break;
    case 2:
        m_prompt = u"Select Equip";
        m_items = catalogNames(deviceTypeList());
        m_selected = 1;
        break;
    case 3:
        m_prompt = u"Select Product Type";
        m_items = catalogNames(productTypeList());
        m_selected = 1;
        break;
    case 4:
        m_prompt = u"Choose Zone NO.";
        for (int z = 1; z <= 32; ++z) {
            m_items.push_back(numberText(z));
        }
        m_selected = 0;
        break;
    case 5:
        m_prompt = u"Select output mode";
        m_items = {u"Pulse ", u"Constant"};
        m_selected = 1;
        break;
    case 6:
        m_prompt = u"Select work mode";
        m_items = {u"Normal", u"Fast", u"Slow"};
        m_selected = 0;
        break;
    default:
        break;
    }
}

void ColumnBatchDialog::choose(int index) {
    if (index >= 0 && index < static_cast<int>(m_items.size())) {
        m_selected = index;
    }
}

} // namespace qb
