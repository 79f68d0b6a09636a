#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/command_line.h"
#include "shell/dbus/calculator_bus.h"
#include "shell/frm_main.h"
#include "shell/journal/journal_folder.h"
#include "shell/layout_widgets.h"
#include "shell/lazy_extension_icon_style.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (const auto answer = vantrel::CommandLineAnswer(arguments)) {
        std::fputs(answer->c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    vantrel::KeepSessionBusFromAutolaunching();
    QApplication app(argc, argv);
    // The desktop entry's name: Wayland's app id, and how a desktop finds the window's entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.Calculator"));
    vantrel::InstallFontSubstitutes();
    QApplication::setStyle(new vantrel::LazyExtensionIconStyle);
    vantrel::FrmMainOptions options;
    if (vantrel::JournalWanted(arguments)) {
        options.journalFolder =
            vantrel::JournalFolderPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    }
    vantrel::FrmMain window(std::move(options));
    window.show();
    return app.exec();
}
