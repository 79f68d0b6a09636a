#include "shell/dbus/calculator_bus.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <optional>

#include "bus/session_bus_address.h"

namespace vantrel {
namespace {

std::optional<QString> SessionBusAddressText() {
    const std::optional<std::string> address = SessionBusAddress();
    if (!address) {
        return std::nullopt;
    }
    return QString::fromStdString(*address);
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
                SessionBusAddressText().value_or(QStringLiteral("disabled:")).toLocal8Bit());
    }
}

QDBusConnection ConnectSessionBus(const QString& connectionName) {
    const std::optional<QString> address = SessionBusAddressText();
    if (!address) {
        return QDBusConnection(connectionName);
    }
    return QDBusConnection::connectToBus(*address, connectionName);
}

}  // namespace vantrel
