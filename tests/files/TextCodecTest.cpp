#include "files/TextCodec.h"

#include <gtest/gtest.h>

#include <optional>

namespace qb {
namespace {

std::vector<std::uint8_t> field(std::string text, std::size_t size) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.resize(size, 0);
    return bytes;
}

// Writes the name into a field of 13 bytes (12 and the NUL) as the zone file does.
std::optional<std::string> within(std::u16string_view name, std::size_t limit) {
    std::vector<std::uint8_t> bytes(limit + 1, 0xAA);
    if (!putFieldWithin(bytes, name, limit)) {
        EXPECT_EQ(bytes, std::vector<std::uint8_t>(limit + 1, 0))
            << "a refused name leaves it empty";
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(bytes.data()));
}

TEST(TextLimits, ZoneNamesHoldTwelveBytesOfUtf8) {
    EXPECT_EQ(within(u"ABCDEFGHIJKL", 12), "ABCDEFGHIJKL");
    EXPECT_FALSE(within(u"ABCDEFGHIJKLM", 12));
    // Six characters of three bytes each: 18 bytes.
    EXPECT_FALSE(within(u"火警区域一层", 12));
    // Four of them and nothing else: exactly 12.
    EXPECT_EQ(within(u"火警区域", 12), "火警区域");
    // Four of them and one letter: 13.
    EXPECT_FALSE(within(u"火警区域A", 12));
    EXPECT_EQ(within(u"", 12), "");
}

TEST(TextLimits, PositionsUnderSystemCodeZeroHoldTwelveBytes) {
    EXPECT_TRUE(within(u"V1 L1 Addr99", 12));
    EXPECT_FALSE(within(u"V1 L1 Addr100", 12));
    EXPECT_TRUE(within(u"V1 L1 Addr100", 29));
}

TEST(TextCodec, SizeInUtf8MatchesTheEncodedForm) {
    for (const std::u16string& name :
         {std::u16string(u"Küche Süd 北京"), std::u16string(u"\U0001F525x"),
          std::u16string{u'A', char16_t(0xDC00), char16_t(0xD800)}, std::u16string()}) {
        EXPECT_EQ(utf8Size(name), toUtf8(name).size());
    }
}

TEST(TextCodec, EncodesSupplementaryCharactersAndReplacesLoneSurrogates) {
    EXPECT_EQ(toUtf8(u"\U0001F525"), "\xF0\x9F\x94\xA5");
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(toUtf8(std::u16string{u'A', char16_t(0xDC00), u'B'}), "A\xEF\xBF\xBD"
                                                                    "B");
    EXPECT_EQ(toUtf8(u"Ä"), "\xC3\x84");
}

TEST(TextCodec, TruncationCutsBetweenCharacters) {
    EXPECT_EQ(encodeTruncated(u"ABC", 40), "ABC");
    // 14 characters of 3 bytes: 42 bytes; 13 of them fit in 40.
    const std::string cut = encodeTruncated(u"一二三四五六七八九十一二三四", 40);
    EXPECT_EQ(cut.size(), 39u);
    EXPECT_EQ(cut, toUtf8(u"一二三四五六七八九十一二三"));
    EXPECT_EQ(encodeTruncated(u"AB\U0001F525", 5), "AB");
}

TEST(TextCodec, DecodingStopsAtTheNulAndNeverLeavesTheField) {
    EXPECT_EQ(decodeField(field("Lobby", 13)), u"Lobby");
    auto bytes = field("Lobby", 13);
    bytes[7] = 'X'; // after the NUL: no meaning
    EXPECT_EQ(decodeField(bytes), u"Lobby");
    // No NUL at all: the field's bytes and nothing more.
    const std::vector<std::uint8_t> full(13, 'Z');
    EXPECT_EQ(decodeField(full), std::u16string(13, u'Z'));
    EXPECT_EQ(decodeField(std::span(full).first(4)), u"ZZZZ");
}

TEST(TextCodec, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(decodeField(field("A\xFF"
                                "B",
                                13)),
              u"A\uFFFDB");
    // A three-byte character cut short by the field's end.
    EXPECT_EQ(decodeField(field("AB\xE7\x81", 4)), u"AB\uFFFD");
    // Surrogates encoded as UTF-8 are not characters.
    EXPECT_EQ(decodeField(field("\xED\xA0\x80", 4)).find(u'\xD800'), std::u16string::npos);
    EXPECT_EQ(decodeField(field("\xC3\x84", 4)), u"Ä");
}

TEST(TextCodec, PutFieldClearsTheFieldAndKeepsRoomForTheNul) {
    std::vector<std::uint8_t> bytes(6, 0xAA);
    putField(bytes, "abc");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'a', 'b', 'c', 0, 0, 0}));
    putField(bytes, "abcdefgh");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e', 0}));
}

} // namespace
} // namespace qb
