#pragma once

#include "Finding.h"

#include <vector>

namespace qb {

class ConfigStore;
class Folder;

struct CheckOptions {
    // For the set that goes to the controller: a checksum a page Save left uncomputed and a
    // registered-rule count an editor left stale are errors, not work in progress.
    bool forController = false;
};

// One pass over a configuration: the files of the store's host in `folder` (framing) and the
// tables of the store (chains, references, values, texts, capacity). Errors first, then
// warnings, then notes. Reads the folder only; changes nothing.
std::vector<Finding> checkConfiguration(const ConfigStore& store, const Folder& folder,
                                        const CheckOptions& options = {});

// How many findings have that severity.
int countFindings(const std::vector<Finding>& findings, Severity severity);

} // namespace qb
