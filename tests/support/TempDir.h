#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qb::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::vector<std::uint8_t> readAll(const std::filesystem::path& path);
void writeAll(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The bytes of a text, for comparing against file contents.
std::vector<std::uint8_t> bytesOf(const std::string& text);

} // namespace qb::test
