#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "shell/layout_widgets.h"

int main(int argc, char* argv[]) {
    // The user's own settings are never read or written: the store lives in a folder of the
    // run's own, fixed before Qt looks up any path.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vantrel::InstallFontSubstitutes();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
