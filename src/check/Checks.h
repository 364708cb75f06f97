#pragma once

#include "Finding.h"

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

    void add(Finding finding) { m_list.push_back(std::move(finding)); }
    void add(Severity severity, FindingPage page, std::string where, std::string text) {
        Finding finding;
        finding.severity = severity;
        finding.page = page;
        finding.where = std::move(where);
        finding.text = std::move(text);
        m_list.push_back(std::move(finding));
    }
    // The last finding added, to fill in its file, board, loop, address or item.
    Finding& last() { return m_list.back(); }

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
