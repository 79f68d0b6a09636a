#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "shell/layout_widgets.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vantrel::InstallFontSubstitutes();
    const QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsHome.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
