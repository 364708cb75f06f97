#pragma once

#include "base/Prompter.h"
#include "base/Result.h"
#include "base/platform/StartArguments.h"
#include "store/SystemCode.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace qb {

class ConfigStore;
class SingleInstanceLock;

namespace ui {
class MainWindow;
}

// How the program was started.
struct StartOptions {
    // Holds the Data folder and the device workbook: "--base-dir DIR", else the executable's
    // folder, else (not writable) the user's data folder.
    std::filesystem::path programFolder;
    std::filesystem::path lockFolder; // where the single-instance lock lives

    // The options for this run; the error says why no folder could take the Data folder.
    static Result<StartOptions> forRun(const StartArguments& arguments,
                                       const std::filesystem::path& userDataFolder);
};

inline const std::string kAlreadyRunning = "The application is already running!";

// One run of the program: the lock, the store and the main window, alive together.
class Session {
public:
    // Start-up in its order: single instance, controller type, run-wide state, store defaults,
    // the Zone page on screen. Null when another copy runs (after saying so).
    static std::unique_ptr<Session> start(const StartOptions& options, Prompter& prompter,
                                          const std::function<SystemCode()>& chooseMode);
    ~Session();

    ConfigStore& store() { return *m_store; }
    ui::MainWindow& window() { return *m_window; }

private:
    Session() = default;

    std::unique_ptr<SingleInstanceLock> m_lock;
    std::unique_ptr<ConfigStore> m_store;
    std::unique_ptr<BatchingPrompter> m_prompter;
    std::unique_ptr<ui::MainWindow> m_window;
};

} // namespace qb
