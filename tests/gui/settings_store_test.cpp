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

    // Qt's settings keep what they read of a file by its name, so a file read in two formats
    // is read the second time as a copy under a name of its own.
    QString CopyOf(const QString& file) {
        const QString copy = m_dir.filePath(QStringLiteral("copy-%1.conf").arg(++m_copies));
        EXPECT_TRUE(QFile::copy(file, copy));
        return copy;
    }

    QTemporaryDir m_dir;
    int m_copies = 0;
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

// Qt's INI format decodes "@Variant(" values from their serialised form; here the damaged
// and the sound alike give nothing and their key falls back, so none is ever decoded: the
// serialised 4 would be a valid rounding option, the byte array a printer's name.
TEST_F(SettingsStoreTest, ASerialisedValueIsNeverDecoded) {
    const QByteArray serialised =
        "[Calculator]\nShowTape=False\nRoundOption=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x4)\n"
        "Printer=@ByteArray(VantrelTapeA)\nWindowTop=\"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x4)\"\n"
        "WindowLeft=\\x40Variant(\\0\\0\\0\\x2\\0\\0\\0\\x4)\n";
    Write(serialised);
    {
        QSettings qtReader(CopyOf(m_file), QSettings::IniFormat);
        ASSERT_EQ(qtReader.value(QStringLiteral("Calculator/RoundOption")), QVariant(4));
        ASSERT_EQ(qtReader.value(QStringLiteral("Calculator/Printer")).toString(), "VantrelTapeA");
    }
    WindowSettings expected = FirstRunSettings();
    expected.ShowTape = false;
    EXPECT_EQ(LoadWindowSettings(m_file), expected);
    EXPECT_EQ(Content(), serialised);

    // The variant that once took gigabytes under the sanitizers' allocator.
    const char hugeBytes[] =
        "rh,2\0p`\n[Calculator]\nRoundOption=@Variant(\\0\\0\\0\\x\x0b"
        "2\\0\\0\\0\\x4)\nPrinter";
    const QByteArray huge(hugeBytes, sizeof hugeBytes - 1);
    Write(huge);
    EXPECT_EQ(LoadWindowSettings(m_file), FirstRunSettings());
    EXPECT_EQ(Content(), huge);
}

// Files of earlier versions were written by Qt's own INI format, and may be read by it again:
// every name goes both ways unchanged, quotes, escapes, commas and a leading "@" included.
TEST_F(SettingsStoreTest, NamesReadAndWriteAsQtsIniFormatDoes) {
    const QString names[] = {
        QStringLiteral("VantrelTapeB"),
        QStringLiteral("Office & Co, 2nd floor"),
        QStringLiteral("a;b=c"),
        QStringLiteral(" lead and trail "),
        QStringLiteral("@home"),
        QStringLiteral("@@twice"),
        QStringLiteral("quote\" and back\\slash"),
        QStringLiteral("tab\there\nnew line"),
        QString::fromUtf16(u"nul\u00001 and \u0001f"),
        QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                          "e \xE6\x97\xA5 \xF0\x9F\x96\xA8"),
    };
    for (const QString& name : names) {
        const QString byQt = m_dir.filePath(QStringLiteral("qt-%1.conf").arg(m_copies));
        QSettings(byQt, QSettings::IniFormat).setValue(QStringLiteral("Calculator/Printer"), name);
        EXPECT_EQ(LoadWindowSettings(CopyOf(byQt)).PrinterName, name);

        WindowSettings settings = FirstRunSettings();
        settings.PrinterName = name;
        const QString ours = m_dir.filePath(QStringLiteral("ours-%1.conf").arg(m_copies));
        SaveWindowSettings(ours, settings);
        const QSettings qtReader(CopyOf(ours), QSettings::IniFormat);
        EXPECT_EQ(qtReader.value(QStringLiteral("Calculator/Printer")).toString(), name);
        EXPECT_EQ(qtReader.value(QStringLiteral("Calculator/RoundOption")).toString(), "6");
    }
}

TEST_F(SettingsStoreTest, AMissingFileGivesTheFirstRunAndIsNotCreated) {
    EXPECT_EQ(LoadWindowSettings(m_file), FirstRunSettings());
    EXPECT_FALSE(QFile::exists(m_file));
}

}  // namespace
}  // namespace vantrel
