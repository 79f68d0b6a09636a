#include "shell/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "core/vocabulary.h"
#include "shell/settings_file_format.h"

namespace vantrel {

namespace {

constexpr char kSection[] = "Calculator";

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool ReadBool(const QSettings& store, const QString& key, bool fallback) {
    const QString text = store.value(key).toString();
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return fallback;
}

int ReadInt(const QSettings& store, const QString& key, int fallback) {
    bool ok = false;
    const int value = store.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

int ReadRoundOption(const QSettings& store, int fallback) {
    const int option = ReadInt(store, QStringLiteral("RoundOption"), fallback);
    return option >= 0 && option < kRoundModeCount ? option : fallback;
}

}  // namespace

QString SettingsFilePath() {
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(home).filePath(QStringLiteral("Vantrel/Vantrel.conf"));
}

WindowSettings LoadWindowSettings(const QString& file) {
    const WindowSettings first = FirstRunSettings();
    QSettings store(file, SettingsFileFormat());
    store.beginGroup(QLatin1String(kSection));
    return {
        .ShowTape = ReadBool(store, QStringLiteral("ShowTape"), first.ShowTape),
        .AlwaysOnTop = ReadBool(store, QStringLiteral("AlwaysOnTop"), first.AlwaysOnTop),
        .RoundOption = ReadRoundOption(store, first.RoundOption),
        .Height = ReadInt(store, QStringLiteral("WindowHeight"), first.Height),
        .Top = ReadInt(store, QStringLiteral("WindowTop"), first.Top),
        .Left = ReadInt(store, QStringLiteral("WindowLeft"), first.Left),
        .PrinterName = store.value(QStringLiteral("Printer"), first.PrinterName).toString(),
    };
}

void SaveWindowSettings(const QString& file, const WindowSettings& settings) {
    QSettings store(file, SettingsFileFormat());
    store.beginGroup(QLatin1String(kSection));
    store.setValue(QStringLiteral("ShowTape"), BoolText(settings.ShowTape));
    store.setValue(QStringLiteral("AlwaysOnTop"), BoolText(settings.AlwaysOnTop));
    store.setValue(QStringLiteral("RoundOption"), QString::number(settings.RoundOption));
    store.setValue(QStringLiteral("WindowHeight"), QString::number(settings.Height));
    store.setValue(QStringLiteral("WindowTop"), QString::number(settings.Top));
    store.setValue(QStringLiteral("WindowLeft"), QString::number(settings.Left));
    if (!settings.PrinterName.isEmpty()) {
        store.setValue(QStringLiteral("Printer"), settings.PrinterName);
    }
    store.endGroup();
    store.sync();
}

}  // namespace vantrel
