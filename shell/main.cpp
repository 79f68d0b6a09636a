#include <QApplication>

#include "shell/dbus/calculator_bus.h"
#include "shell/frm_main.h"
#include "shell/layout_widgets.h"

int main(int argc, char* argv[]) {
    vantrel::KeepSessionBusFromAutolaunching();
    QApplication app(argc, argv);
    vantrel::InstallFontSubstitutes();
    vantrel::FrmMain window;
    window.show();
    return app.exec();
}
