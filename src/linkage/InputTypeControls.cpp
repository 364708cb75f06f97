#include "InputTypeControls.h"

#include "base/CellText.h"
#include "store/DeviceCatalog.h"
#include "store/LittleEndian.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace qb {

namespace {

// The input devices of the device type list, in its order: what the input type lists offer.
constexpr std::array<std::uint8_t, 18> kListCodes{1, 2,  3,  4,  5,  17, 6,  7,  8,
                                                  9, 10, 11, 12, 13, 14, 15, 20, 21};
// Codes a stored list shows in the input type lists (those without a box of their own).
constexpr std::array<std::uint8_t, 13> kListShownCodes{1,  4,  5,  6,  9,  10, 12,
                                                       13, 14, 15, 17, 20, 21};

std::u16string nameOf(std::uint8_t code) {
    for (const CatalogEntry& entry : deviceTypeList()) {
        if (entry.code == code) {
            return std::u16string(entry.name);
        }
    }
    return {};
}

template <std::size_t N> bool contains(const std::array<std::uint8_t, N>& codes, std::uint8_t c) {
    return std::find(codes.begin(), codes.end(), c) != codes.end();
}

// The code whose name the list shows: the device type list first, the device type table after
// it, a match in the table winning.
std::optional<std::uint8_t> codeOf(const std::u16string& name, const DeviceTypeTable& table) {
    std::optional<std::uint8_t> code;
    for (const CatalogEntry& entry : deviceTypeList()) {
        if (entry.name == name) {
            code = static_cast<std::uint8_t>(entry.code);
            break;
        }
    }
    for (const DeviceTypeRecord& record : table.records) {
        if (record.code != 0 && record.name.view() == name) {
            code = record.code;
            break;
        }
    }
    return code;
}

} // namespace

InputTypeControls::InputTypeControls() {
    for (ListControl& list : lists) {
        list.items.push_back(u"None");
        for (std::uint8_t code : kListCodes) {
            list.items.push_back(nameOf(code));
        }
        list.selected = 0;
    }
    for (int n = 1; n <= 99; ++n) {
        fireSignals.items.push_back(numberText(n, 2));
    }
}

bool InputTypeControls::anyInput() const {
    return std::any_of(boxes.begin(), boxes.end(), [](bool b) { return b; }) ||
           std::any_of(lists.begin(), lists.end(),
                       [](const ListControl& l) { return l.selected > 0; });
}

void InputTypeControls::store(std::span<std::uint8_t> list, const DeviceTypeTable& table) const {
    std::fill(list.begin(), list.begin() + InputLayout::kZeroedBytes, 0x00);
    std::fill(list.begin() + InputLayout::kZeroedBytes, list.begin() + InputLayout::kListBytes,
              0xFF);
    std::size_t at = 0;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
        if (boxes[b]) {
            list[at++] = kBoxCodes[b];
        }
    }
    std::vector<std::u16string> taken;
    for (const ListControl& input : lists) {
        if (input.selected <= 0 || !input.chosen()) {
            continue;
        }
        const std::u16string& name = input.text();
        if (std::find(taken.begin(), taken.end(), name) != taken.end()) {
            continue;
        }
        taken.push_back(name);
        if (const auto code = codeOf(name, table); code && at < InputLayout::kListBytes) {
            list[at++] = *code;
        }
    }
}

void InputTypeControls::show(std::span<const std::uint8_t> list) {
    clear();
    for (std::size_t i = 0; i < InputLayout::kListBytes && i < list.size(); ++i) {
        const std::uint8_t code = list[i];
        if (const auto box = std::find(kBoxCodes.begin(), kBoxCodes.end(), code);
            box != kBoxCodes.end()) {
            boxes[static_cast<std::size_t>(box - kBoxCodes.begin())] = true;
        } else if (contains(kListShownCodes, code)) {
            const auto free = std::find_if(lists.begin(), lists.end(),
                                           [](const ListControl& l) { return l.selected == 0; });
            if (free != lists.end()) {
                free->selectText(nameOf(code));
            }
        }
    }
}

void InputTypeControls::blank() {
    clear();
    for (ListControl& list : lists) {
        list.selected = -1;
    }
}

void InputTypeControls::clear() {
    boxes.fill(false);
    for (ListControl& list : lists) {
        list.selected = 0;
    }
    fireSignals.selected = -1;
}

void InputTypeControls::storeCondition(std::span<std::uint8_t> record, const InputLayout& layout,
                                       const DeviceTypeTable& table) const {
    record[layout.zeroByte] = 0;
    if (fireSignals.chosen()) {
        record[layout.fireSignals] = static_cast<std::uint8_t>(fireSignals.selected + 1);
    }
    store(record.subspan(layout.inputTypes, InputLayout::kListBytes), table);
    le::writeU16(record, layout.spareWord, 0xFFFF);
}

void InputTypeControls::showCondition(std::span<const std::uint8_t> record,
                                      const InputLayout& layout) {
    show(record.subspan(layout.inputTypes, InputLayout::kListBytes));
    const int count = record[layout.fireSignals];
    fireSignals.select(count >= 1 && count <= 99 ? count - 1 : -1);
}

} // namespace qb
