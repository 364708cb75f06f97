#include "ConfigCheck.h"

#include "Checks.h"

#include <algorithm>

namespace qb {

std::vector<Finding> checkConfiguration(const ConfigStore& store, const Folder& folder,
                                        const CheckOptions& options) {
    std::vector<Finding> list;
    Findings findings(list);
    checkFraming(store, folder, options.forController, findings);
    checkChains(store, options.forController, findings);
    checkValues(store, findings);
    checkReferences(store, findings);
    sortBySeverity(list);
    return list;
}

int countFindings(const std::vector<Finding>& findings, Severity severity) {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.severity == severity;
    }));
}

} // namespace qb
