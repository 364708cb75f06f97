#pragma once

#include "Workbook.h"
#include "base/Result.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace qb {

// An .xls workbook opened for reading, through FreeXL. Failures name the file. The file is
// untrusted: the container and the record chains are checked by our own code before FreeXL sees
// them, and anything either refuses comes back as an error, never as an empty workbook. FreeXL
// itself can still crash on some damaged files that pass those checks.
class WorkbookReader {
public:
    static Result<WorkbookReader> open(const std::filesystem::path& path);

    const std::vector<std::string>& sheetNames() const { return m_sheetNames; }

    // The sheet's values. Texts come back as text, RK numbers as whole numbers, NUMBER records
    // as doubles (even whole ones); date-formatted numbers come back as FreeXL's date text. A
    // cell whose value cannot be read (a formula, an error value) is an UnreadableCell.
    Result<Sheet> readSheet(std::size_t index) const;

    // Every sheet, in order.
    Result<Workbook> readAll() const;

private:
    struct Closer {
        void operator()(const void* handle) const;
    };

    WorkbookReader(std::filesystem::path path, const void* handle);

    std::filesystem::path m_path;
    std::unique_ptr<const void, Closer> m_handle;
    std::vector<std::string> m_sheetNames;
    std::map<std::string, std::set<CellPosition>> m_unreadable;
};

} // namespace qb
