#include "store/FixedText.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(FixedText, StoresUpToItsCapacityAndNeverSplitsASurrogatePair) {
    FixedText<13> name;
    EXPECT_TRUE(name.assign(u"ABCDEFGHIJKL"));
    EXPECT_EQ(name.view(), u"ABCDEFGHIJKL");

    EXPECT_FALSE(name.assign(u"ABCDEFGHIJKLM"));
    EXPECT_EQ(name.view(), u"ABCDEFGHIJKL");

    // A pair whose high half would be the 12th unit is dropped whole.
    EXPECT_FALSE(name.assign(u"ABCDEFGHIJK\U0001F600"));
    EXPECT_EQ(name.view(), u"ABCDEFGHIJK");

    EXPECT_TRUE(name.assign(u"ABCDEFGHIJ\U0001F600"));
    EXPECT_EQ(name.view().size(), 12u);
}

TEST(FixedText, AShorterTextLeavesNoTraceOfALongerOne) {
    FixedText<30> position(u"Second floor east stairwell");
    position.assign(u"Hall");
    EXPECT_EQ(position, FixedText<30>(u"Hall"));
    EXPECT_EQ(position.view(), u"Hall");
    position.assign(u"");
    EXPECT_TRUE(position.empty());
}

} // namespace
} // namespace qb
