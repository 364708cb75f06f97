#include "Session.h"

#include "base/platform/ProgramFolder.h"
#include "base/platform/SingleInstanceLock.h"
#include "files/DataLocation.h"
#include "store/ConfigStore.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

// The program's icon is compiled into the widget library; a static library's resources are
// registered by hand.
static void registerResources() {
    Q_INIT_RESOURCE(quillbarrow);
}

namespace qb {

Result<StartOptions> StartOptions::forRun(const StartArguments& arguments,
                                          const std::filesystem::path& userDataFolder) {
    auto folder =
        chooseWorkFolder(executableFolder(), arguments.baseDir, userDataFolder, probeDataFolder);
    if (!folder) {
        return folder.error();
    }
    StartOptions options;
    options.programFolder = std::move(*folder);
    options.lockFolder = SingleInstanceLock::defaultFolder();
    return options;
}

std::unique_ptr<Session> Session::start(const StartOptions& options, Prompter& prompter,
                                        const std::function<SystemCode()>& chooseMode) {
    auto lock = SingleInstanceLock::acquireIn(options.lockFolder, "Quillbarrow.exe");
    if (lock.status == SingleInstanceLock::Status::HeldByAnother) {
        prompter.inform(kAlreadyRunning, kCaptionError);
        return nullptr;
    }
    registerResources();
    QApplication::setWindowIcon(QIcon(":/icons/quillbarrow.png"));
    std::unique_ptr<Session> session(new Session);
    session->m_lock = std::move(lock.lock);
    const SystemCode code = chooseMode();
    session->m_store = ConfigStore::create(RunState::begin(code, options.programFolder));
    session->m_prompter = std::make_unique<BatchingPrompter>(prompter);
    session->m_window = std::make_unique<ui::MainWindow>(*session->m_store, *session->m_prompter);
    ui::MainWindow& window = *session->m_window;
    window.logic().start();
    window.refresh();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    return session;
}

Session::~Session() = default;

} // namespace qb
