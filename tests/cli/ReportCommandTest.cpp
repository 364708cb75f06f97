#include "cli/Cli.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qb {
namespace {

namespace fs = std::filesystem;

int report(std::vector<std::string> arguments, std::string& err) {
    std::ostringstream out;
    std::ostringstream errors;
    arguments.insert(arguments.begin(), "report");
    const int status = runCli(arguments, out, errors);
    err = errors.str();
    EXPECT_EQ(out.str(), "");
    return status;
}

TEST(CliReport, WritesTheReportOfTheSetOrSaysWhyNot) {
    test::TempDir dir;
    const std::string data = (dir / "set").string();
    std::ostringstream ignored;
    ASSERT_EQ(runCli({"new", data, "--system-code", "2", "--host", "4"}, ignored, ignored), 0);
    std::string err;
    const fs::path file = dir / "report.html";
    EXPECT_EQ(report({data, "--system-code", "2", "--host", "4", "--out", file.string()}, err), 0)
        << err;
    EXPECT_EQ(err, "");
    const auto bytes = test::readAll(file);
    const std::string html(bytes.begin(), bytes.end());
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<td>M004ZONE.BIN</td>"), std::string::npos);
    EXPECT_NE(html.find("Data folder: " + data + "</p>"), std::string::npos);

    EXPECT_EQ(report({data, "--system-code", "2"}, err), 2);
    EXPECT_NE(err.find("report needs --out"), std::string::npos) << err;
    EXPECT_EQ(report({data, "--system-code", "2", "--out", file.string(), "--frobnicate"}, err), 2);

    const fs::path nowhere = dir / "no-such-folder" / "report.html";
    EXPECT_EQ(report({data, "--system-code", "2", "--host", "4", "--out", nowhere.string()}, err),
              1);
    EXPECT_NE(err.find("report.html"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(nowhere));
}

} // namespace
} // namespace qb
