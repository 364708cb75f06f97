#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the lists and cells of the LED dialog call the values of a mimic LED. A value that no
// entry names (a loaded record may hold one) reads as its bare number.
namespace qb::mimicnames {

inline constexpr int kInputs = 16; // contact inputs of a module, four per board

std::vector<std::u16string> boards();
std::vector<std::u16string> causes();
std::vector<std::u16string> indications();
std::vector<std::u16string> inputs();

// "√" for 1, "×" for 0, "Error" for anything else, as the setup pages show it.
std::u16string registration(std::uint8_t reg);
std::u16string cause(int value);
std::u16string indication(int value);
std::u16string input(int number);

} // namespace qb::mimicnames
