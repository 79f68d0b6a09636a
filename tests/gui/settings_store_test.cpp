#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace vantrel {

inline void PrintTo(const WindowSettings& s, std::ostream* out) {
    *out << "{" << s.ShowTape << ", " << s.AlwaysOnTop << ", " << s.RoundOption << ", " << s.Height
         << ", " << s.Top << ", " << s.Left << ", \"" << s.PrinterName.toStdString() << "\"}";
}

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void Write(const QByteArray& content) const {
        QFile out(m_file);
        QDir().mkpath(QFileInfo(out).path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
    }
    QByteArray Content() const {
        QFile in(m_file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    const QString m_file = m_dir.filePath(QStringLiteral("Vantrel/Vantrel.conf"));
};

TEST_F(SettingsStoreTest, SevenKeysComeBackAsTheyWereSaved) {
    const WindowSettings saved{.ShowTape = false,
                               .AlwaysOnTop = false,
                               .RoundOption = 0,
                               .Height = 6300,
                               .Top = -15,
                               .Left = 2147483647,
                               .PrinterName = QStringLiteral("Office & Co, 2nd floor")};
    SaveWindowSettings(m_file, saved);
    EXPECT_EQ(LoadWindowSettings(m_file), saved);
    const QByteArray text = Content();
    for (const char* line : {"[Calculator]", "ShowTape=False", "AlwaysOnTop=False", "RoundOption=0",
                             "WindowHeight=6300", "WindowTop=-15"}) {
        EXPECT_TRUE(text.contains(line)) << line << " in\n" << text.toStdString();
    }
}

TEST_F(SettingsStoreTest, AValueThatDoesNotConvertFallsBackToItsKeysDefault) {
    const char* rows[][2] = {
        {"ShowTape", "maybe"},          {"ShowTape", ""},
        {"ShowTape", "true "},          {"AlwaysOnTop", "1"},
        {"AlwaysOnTop", "False False"}, {"RoundOption", "7"},
        {"RoundOption", "-1"},          {"RoundOption", "two"},
        {"RoundOption", "99999999999"}, {"WindowHeight", "tall"},
        {"WindowHeight", ""},           {"WindowHeight", "99999999999"},
        {"WindowTop", "3.5"},           {"WindowTop", "1e3"},
        {"WindowLeft", "0x10"},         {"WindowLeft", "-99999999999"},
    };
    for (const auto& [key, value] : rows) {
        Write(QByteArray("[Calculator]\n") + key + "=" + value + "\n");
        EXPECT_EQ(LoadWindowSettings(m_file), FirstRunSettings()) << key << "=" << value;
    }
}

// The settings file format can hold serialised values, and a damaged one may claim a list of
// more elements than the machine has memory for: that key falls back, the others are read.
TEST_F(SettingsStoreTest, AStoredValueTooLargeToHoldFallsBackToItsKeysDefault) {
    const QByteArray damaged =
        "[Calculator]\nShowTape=False\nRoundOption=@Variant(\\0\\0\\0\\tiDn=\xC7\xF6Win4)\n";
    Write(damaged);
    WindowSettings expected = FirstRunSettings();
    expected.ShowTape = false;
    EXPECT_EQ(LoadWindowSettings(m_file), expected);
    EXPECT_EQ(Content(), damaged);
}

TEST_F(SettingsStoreTest, AMissingFileGivesTheFirstRunAndIsNotCreated) {
    EXPECT_EQ(LoadWindowSettings(m_file), FirstRunSettings());
    EXPECT_FALSE(QFile::exists(m_file));
}

}  // namespace
}  // namespace vantrel
