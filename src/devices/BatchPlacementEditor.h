#pragma once

#include "base/EditorControls.h"

#include <filesystem>
#include <string>

namespace qb {

class ConfigStore;
class Prompter;
struct BuiltFile;

// "Module/Detector Place Setting": registers a range of addresses on one loop of one board, or
// on both loops of every IO board, in one step. Each "Set" writes the device files it touched at
// once, in the layout the Detector/Module page's Save writes, so the dialog has no OK: it stays
// open for the next range until "Eixt".
class BatchPlacementEditor {
public:
    // Writes a built file, reporting its too-long texts or the failed write; true when written.
    using FileWriter = bool (*)(const std::filesystem::path& path, const BuiltFile& file,
                                Prompter& prompter);

    static constexpr const char* kDone = "Set successfully!";

    BatchPlacementEditor(ConfigStore& store, Prompter& prompter, FileWriter write);

    const std::u16string caption = u"Module/Detector Place Setting";

    ListControl hosts;  // the known hosts, "001".."255": the file names take the chosen one
    ListControl boards; // the fitted IO boards, "V1", "V2", then "No Set" for every IO board
    ListControl loops;  // "No Set" until a board is chosen, then "01", "02"
    ListControl zones;  // the enabled zones, then "No Set" (stored as zone 1)
    std::u16string startText;
    std::u16string endText;

    // Fills the lists as the dialog opens.
    void open();

    void chooseHost(int index) { hosts.select(index); }
    // Any entry, "No Set" included, offers the two loops afresh.
    void chooseBoard(int index);
    void chooseLoop(int index) { loops.select(index); }
    void chooseZone(int index) { zones.select(index); }

    // Checks the choices and the range, each failure with its message and nothing changed; then
    // places the range and writes each touched board's file. A board whose file was written
    // takes its saved copy; one whose file was not keeps it, the placement staying in its
    // working copy only. True, with "Set successfully!", when every file was written.
    bool pressSet();
    // Some Set of this opening got past the checks and changed the store.
    bool placedAny() const { return m_placed; }

private:
    bool refuse(const char* message);

    ConfigStore& m_store;
    Prompter& m_prompter;
    FileWriter m_write;
    bool m_placed = false;
};

} // namespace qb
