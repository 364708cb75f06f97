#include "base/platform/StartArguments.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(StartArguments, ReadsTheBaseDirInBothSpellingsAndLeavesOtherOptionsAlone) {
    const auto spaced = StartArguments::parse({"-style", "fusion", "--base-dir", "/srv/a"});
    ASSERT_TRUE(spaced.ok());
    EXPECT_EQ(spaced->baseDir, std::filesystem::path("/srv/a"));
    EXPECT_FALSE(spaced->help || spaced->version);

    const auto joined = StartArguments::parse({"--base-dir=/srv/b", "--version"});
    ASSERT_TRUE(joined.ok());
    EXPECT_EQ(joined->baseDir, std::filesystem::path("/srv/b"));
    EXPECT_TRUE(joined->version);

    const auto none = StartArguments::parse({"--help"});
    ASSERT_TRUE(none.ok());
    EXPECT_TRUE(none->help);
    EXPECT_FALSE(none->baseDir.has_value());
}

TEST(StartArguments, ABaseDirWithoutAFolderIsRefused) {
    for (const auto& arguments :
         {std::vector<std::string>{"--base-dir"}, std::vector<std::string>{"--base-dir="},
          std::vector<std::string>{"--base-dir", ""}}) {
        const auto parsed = StartArguments::parse(arguments);
        ASSERT_FALSE(parsed.ok());
        EXPECT_EQ(parsed.error().text, "--base-dir needs a folder");
    }
}

} // namespace
} // namespace qb
