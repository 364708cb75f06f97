#include "Session.h"
#include "base/Version.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/ModeSelectionDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // Read before QApplication exists: --help and --version must work without a display.
    const auto arguments =
        qb::StartArguments::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!arguments) {
        std::fprintf(stderr, "quillbarrow: %s\n\n%.*s", arguments.error().text.c_str(),
                     static_cast<int>(qb::kStartUsage.size()), qb::kStartUsage.data());
        return 2;
    }
    if (arguments->help) {
        std::fwrite(qb::kStartUsage.data(), 1, qb::kStartUsage.size(), stdout);
        return 0;
    }
    if (arguments->version) {
        std::printf("quillbarrow %.*s\n", static_cast<int>(qb::kProgramVersion.size()),
                    qb::kProgramVersion.data());
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillbarrow");
    QApplication::setApplicationVersion(QString::fromUtf8(qb::kProgramVersion));
    // Ties the windows to the installed desktop entry (icon and name in Wayland task bars).
    QGuiApplication::setDesktopFileName("io.github.quillbarrow.Quillbarrow");

    const auto options = qb::StartOptions::forRun(
        *arguments,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    if (!options) {
        QMessageBox::critical(nullptr, QString::fromStdString(qb::kCaptionError),
                              QString::fromStdString(options.error().text));
        return 1;
    }
    qb::ui::MessageBoxPrompter prompter;
    auto session = qb::Session::start(*options, prompter, [] {
        qb::ui::ModeSelectionDialog dialog;
        return dialog.choose();
    });
    if (!session) {
        return 0; // another copy runs; it is left undisturbed
    }
    prompter.setParent(&session->window());
    return app.exec();
}
