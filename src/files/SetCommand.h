#pragma once

#include "FileNames.h"
#include "Folder.h"
#include "LoadData.h"
#include "base/Prompter.h"
#include "store/ConfigStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// What Load Data and Data export share: the store, the folder, the installer's messages with
// the count of problems, and the host whose set the command works on.
class SetCommand {
public:
    SetOutcome outcome() const { return m_outcome; }

    // Runs `Command` once the installer said OK to its question; Cancel touches nothing.
    template <class Command>
    static SetOutcome runConfirmed(ConfigStore& store, Folder& folder, Prompter& prompter,
                                   const std::string& question, const char* caption) {
        if (!prompter.confirm(question, caption)) {
            SetOutcome cancelled;
            cancelled.cancelled = true;
            return cancelled;
        }
        Command command(store, folder, prompter);
        command.run();
        return command.outcome();
    }

protected:
    SetCommand(ConfigStore& store, Folder& folder, Prompter& prompter)
        : m_store(store), m_folder(folder), m_prompter(prompter), m_hostIndex(store.hostIndex()) {}

    // The set's file of that four-character name, e.g. "M001ZONE.BIN".
    std::string fileOf(std::string_view name) const { return fileName(m_hostIndex, name); }

    void countFile() { ++m_outcome.files; }

    // Tells the installer of a problem, and counts it.
    void report(const std::string& text) {
        ++m_outcome.problems;
        m_prompter.inform(text, kProgramName);
    }

    ConfigStore& m_store;
    Folder& m_folder;
    Prompter& m_prompter;
    // Every name of one command uses the host the command started with, even when NET_.BIN
    // brings another one.
    const std::uint8_t m_hostIndex;
    SetOutcome m_outcome;
};

} // namespace qb
