#include "MimicLedNames.h"

#include "MimicLedRecords.h"
#include "base/CellText.h"

#include <array>
#include <string_view>

namespace qb::mimicnames {

namespace {

using mimicrecords::kBoards;
using mimicrecords::kCauses;
using mimicrecords::kIndications;

constexpr std::array<std::u16string_view, kCauses> kCauseNames{
    u"NULL", u"Device to LED", u"Zone to LED", u"NC Input to LED", u"NO Input to LED"};
constexpr std::array<std::u16string_view, kIndications> kIndicationNames{u"NULL", u"Fire", u"Start",
                                                                         u"Feedback"};
constexpr std::array<std::u16string_view, kBoards> kBoardNames{
    u"00(Main Board)", u"01(EX Board 1)", u"02(EX Board 2)", u"03(EX Board 3)"};
constexpr int kInputsPerBoard = 4;

template <std::size_t N>
std::vector<std::u16string> all(const std::array<std::u16string_view, N>& list) {
    return {list.begin(), list.end()};
}

template <std::size_t N>
std::u16string nameOf(const std::array<std::u16string_view, N>& list, int value) {
    return value >= 0 && value < static_cast<int>(N) ? std::u16string(list[value])
                                                     : numberText(value);
}

} // namespace

std::vector<std::u16string> boards() {
    return all(kBoardNames);
}

std::vector<std::u16string> causes() {
    return all(kCauseNames);
}

std::vector<std::u16string> indications() {
    return all(kIndicationNames);
}

std::vector<std::u16string> inputs() {
    std::vector<std::u16string> items;
    for (int n = 1; n <= kInputs; ++n) {
        items.push_back(input(n));
    }
    return items;
}

std::u16string registration(std::uint8_t reg) {
    return reg <= 1 ? markFor(reg == 1) : std::u16string(kMarkError);
}

std::u16string cause(int value) {
    return nameOf(kCauseNames, value);
}

std::u16string indication(int value) {
    return nameOf(kIndicationNames, value);
}

// "01(Main Board-1)" .. "16(EX Board 3-4)".
std::u16string input(int number) {
    if (number < 1 || number > kInputs) {
        return numberText(number);
    }
    const int board = (number - 1) / kInputsPerBoard;
    const int place = (number - 1) % kInputsPerBoard + 1;
    std::u16string text = numberText(number, 2) + u"(";
    text += board == 0 ? std::u16string(u"Main Board") : u"EX Board " + numberText(board);
    return text + u"-" + numberText(place) + u")";
}

} // namespace qb::mimicnames
