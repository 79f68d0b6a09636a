#include "shell/settings_store.h"

#include <QSettings>

namespace vantrel {

namespace {

constexpr char kSection[] = "Calculator";
constexpr int kRoundOptionCount = 7;

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

}  // namespace

WindowSettings LoadWindowSettings(QSettings& store) {
    const WindowSettings first = FirstRunSettings();
    store.beginGroup(QLatin1String(kSection));
    WindowSettings settings{
        .ShowTape = ReadBool(store, QStringLiteral("ShowTape"), first.ShowTape),
        .AlwaysOnTop = ReadBool(store, QStringLiteral("AlwaysOnTop"), first.AlwaysOnTop),
        .RoundOption = ReadInt(store, QStringLiteral("RoundOption"), first.RoundOption),
        .Height = ReadInt(store, QStringLiteral("WindowHeight"), first.Height),
        .Top = ReadInt(store, QStringLiteral("WindowTop"), first.Top),
        .Left = ReadInt(store, QStringLiteral("WindowLeft"), first.Left),
    };
    store.endGroup();
    if (settings.RoundOption < 0 || settings.RoundOption >= kRoundOptionCount) {
        settings.RoundOption = first.RoundOption;
    }
    return settings;
}

void SaveWindowSettings(QSettings& store, const WindowSettings& settings) {
    store.beginGroup(QLatin1String(kSection));
    store.setValue(QStringLiteral("ShowTape"), BoolText(settings.ShowTape));
    store.setValue(QStringLiteral("AlwaysOnTop"), BoolText(settings.AlwaysOnTop));
    store.setValue(QStringLiteral("RoundOption"), QString::number(settings.RoundOption));
    store.setValue(QStringLiteral("WindowHeight"), QString::number(settings.Height));
    store.setValue(QStringLiteral("WindowTop"), QString::number(settings.Top));
    store.setValue(QStringLiteral("WindowLeft"), QString::number(settings.Left));
    store.endGroup();
    store.sync();
}

}  // namespace vantrel
