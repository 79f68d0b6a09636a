#include "shell/dbus/calculator_bus.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QFileInfo>
#include <optional>

namespace vantrel {
namespace {

// A bus address value: every byte outside [-0-9A-Za-z_/.*] is %-escaped.
QString EscapedAddressValue(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toPercentEncoding("/*", "~"));
}

std::optional<QString> SessionBusAddress() {
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty()) {
        return QString::fromLocal8Bit(address);
    }
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (runtimeDir.isEmpty()) {
        return std::nullopt;
    }
    const QByteArray socket = runtimeDir + "/bus";
    if (!QFileInfo::exists(QString::fromLocal8Bit(socket))) {
        return std::nullopt;
    }
    return QStringLiteral("unix:path=") + EscapedAddressValue(socket);
}

}  // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const TapeLineRecord& line) {
    argument.beginStructure();
    argument << line.NumStr << line.Op << line.CLR;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, TapeLineRecord& line) {
    argument.beginStructure();
    argument >> line.NumStr >> line.Op >> line.CLR;
    argument.endStructure();
    return argument;
}

void RegisterTapeLineTypes() {
    qDBusRegisterMetaType<TapeLineRecord>();
    qDBusRegisterMetaType<TapeLineRecords>();
}

void KeepSessionBusFromAutolaunching() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        qputenv("DBUS_SESSION_BUS_ADDRESS",
                SessionBusAddress().value_or(QStringLiteral("disabled:")).toLocal8Bit());
    }
}

QDBusConnection ConnectSessionBus(const QString& connectionName) {
    const std::optional<QString> address = SessionBusAddress();
    if (!address) {
        return QDBusConnection(connectionName);
    }
    return QDBusConnection::connectToBus(*address, connectionName);
}

}  // namespace vantrel
