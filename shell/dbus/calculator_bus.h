#pragma once

#include <QDBusConnection>
#include <QList>
#include <QMetaType>
#include <QString>

#include "bus/bus_names.h"

class QDBusArgument;

// How a tape line travels on the session bus, and the calculator's connection to it.
namespace vantrel {

// One tape line on the bus, as (sib): the amount as shown, the line code, the ink flag.
struct TapeLineRecord {
    QString NumStr;
    int Op = 0;
    bool CLR = true;
};
using TapeLineRecords = QList<TapeLineRecord>;

QDBusArgument& operator<<(QDBusArgument& argument, const TapeLineRecord& line);
const QDBusArgument& operator>>(const QDBusArgument& argument, TapeLineRecord& line);

// Makes the tape line types known to QtDBus; call before the first message that holds one.
void RegisterTapeLineTypes();

// Where no session bus is to be found, points DBUS_SESSION_BUS_ADDRESS at one that cannot be
// connected to, before any library of the process looks: libdbus would otherwise fall back to
// X11 autolaunch and leave a bus of its own running. Where the user's bus socket is, points it
// there, so that every library of the process uses the same bus.
void KeepSessionBusFromAutolaunching();

// A connection of this process's own, named `connectionName`, to the session bus: the one in
// DBUS_SESSION_BUS_ADDRESS, else the user's bus socket in XDG_RUNTIME_DIR. Without either the
// connection is not connected; libdbus is never left to autolaunch a bus of its own.
QDBusConnection ConnectSessionBus(const QString& connectionName);

}  // namespace vantrel

Q_DECLARE_METATYPE(vantrel::TapeLineRecord)
