#include "Session.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxPrompter.h"
#include "ui/ModeSelectionDialog.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillbarrow");

    const auto options = qb::StartOptions::fromArguments(app.arguments());
    if (!options) {
        std::fprintf(stderr, "quillbarrow: %s\nusage: quillbarrow [--base-dir DIR]\n",
                     options.error().text.c_str());
        return 2;
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
