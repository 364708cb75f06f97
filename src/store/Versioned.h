#pragma once

namespace qb {

// A table's working copy, which every editor changes in place, and its saved copy: the state of
// the last successful Save, export or load, restored by Cancel.
template <class Table> struct Versioned {
    Table working{};
    Table saved{};

    void takeSavePoint() { saved = working; }
    void revert() { working = saved; }
    bool modified() const { return !(working == saved); }
};

} // namespace qb
