#pragma once

#include "base/Prompter.h"
#include "base/Result.h"
#include "store/SystemCode.h"

#include <QStringList>

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
    std::filesystem::path programFolder; // "--base-dir DIR", else the executable's folder
    std::filesystem::path lockFolder;    // where the single-instance lock lives

    // The options of the command line; the error says what is wrong with it.
    static Result<StartOptions> fromArguments(const QStringList& arguments);
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
