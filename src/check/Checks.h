#pragma once

#include "Finding.h"

#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace qb {

class ConfigStore;
class Folder;

// The findings of one check, each added with its page and place.
class Findings {
public:
    explicit Findings(std::vector<Finding>& list) : m_list(list) {}

    // Adds a finding; the caller fills in its board, loop and address where it has them.
    Finding& add(Severity severity, FindingPage page, std::string file, std::string where,
                 std::string text, int item = 0) {
        Finding& finding = m_list.emplace_back();
        finding.severity = severity;
        finding.page = page;
        finding.file = std::move(file);
        finding.where = std::move(where);
        finding.text = std::move(text);
        finding.item = item;
        return finding;
    }
    void append(std::vector<Finding> more) {
        std::move(more.begin(), more.end(), std::back_inserter(m_list));
    }

private:
    std::vector<Finding>& m_list;
};

// Each part of the configuration check; ConfigCheck runs them all.
void checkFraming(const ConfigStore& store, const Folder& folder, bool forController,
                  Findings& findings);
void checkChains(const ConfigStore& store, bool forController, Findings& findings);
void checkReferences(const ConfigStore& store, Findings& findings);
void checkValues(const ConfigStore& store, Findings& findings);

} // namespace qb
