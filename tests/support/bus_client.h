#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <optional>
#include <vector>

#include "shell/dbus/calculator_bus.h"

// A test's side of the calculator's message interface: calls that keep the event loop
// running (the calculator under test may live in the same thread), and the signals it sends.
namespace vantrel::testing {

inline constexpr char kNeedsSessionBus[] =
    "this test needs a session bus: run it under dbus-run-session, as "
    "'dbus-run-session -- ctest --test-dir build', or through scripts/test";

bool HaveSessionBus();
QDBusConnection Client();

// Sends `call` and waits for its answer with the event loop running; the events the answer
// came after (signals included) have been delivered when it returns.
QDBusMessage CallAndWait(const QDBusMessage& call);

// Calls to the calculator object at `destination`, a unique or the well-known name.
QDBusMessage CallCalculator(const QString& destination, const char* method,
                            const QVariantList& arguments = {});
QDBusMessage Input(const QString& destination, uint wParam, uint lParam);
QDBusMessage Operate(const QString& destination, uint wParam, uint lParam = 0);
QVariant Property(const QString& destination, const char* name);
TapeLineRecords TapeLines(const QString& destination);

// The unique names on the bus of this process's connections, the test's own left out.
QStringList OwnProcessNames();

// The PropertiesChanged signals of the calculator object at one sender, each kept as its
// map of changed values.
class PropertiesRecorder : public QObject {
    Q_OBJECT

  public:
    explicit PropertiesRecorder(const QString& sender);

    std::vector<QVariantMap> changes;
    QStringList interfaces;
    QStringList invalidated;

  public slots:
    void PropertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidatedNames);
};

}  // namespace vantrel::testing
