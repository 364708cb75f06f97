#pragma once

namespace qb {

class ConfigStore;
class Folder;
class Prompter;

// What a whole-set command came to.
struct SetOutcome {
    bool cancelled = false; // the installer said Cancel: nothing was touched
    int problems = 0;       // files missing, unreadable, refused or not written (each reported)
    int files = 0;          // files read or written
};

inline const char* const kLoadQuestion =
    "Are you sure you want to load data\uFF1FPlease click 'OK'\uFF0Cotherwise click 'Cancel' ";

// "Load Data": replaces the tables, file by file, from the current host's set in the folder. A
// missing, unreadable or wrong file is reported and skipped; the rest is still read.
SetOutcome loadData(ConfigStore& store, Folder& folder, Prompter& prompter);

// The same from the store's Data folder on disk.
SetOutcome loadData(ConfigStore& store, Prompter& prompter);

} // namespace qb
