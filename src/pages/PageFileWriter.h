#pragma once

#include "files/BuiltFile.h"

#include <filesystem>
#include <string_view>

namespace qb {

class ConfigStore;
class Folder;
class Prompter;

// Writes a file a page's Save has built. Each too-long text is reported and nothing is written;
// a file that cannot be written is reported by name. True when the file was written.
bool writePageFile(Folder& folder, std::string_view name, const BuiltFile& file,
                   Prompter& prompter);

// The same for a file of the current host's set in the store's Data folder: "ZONE" is written
// as "M001ZONE.BIN" for host 1.
bool writeHostFile(const ConfigStore& store, std::string_view name, const BuiltFile& file,
                   Prompter& prompter);

// The same for a file on disk.
bool writePageFile(const std::filesystem::path& path, const BuiltFile& file, Prompter& prompter);

} // namespace qb
