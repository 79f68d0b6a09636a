#include "tests/support/bus_client.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QTest>

namespace vantrel::testing {

bool HaveSessionBus() {
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

QDBusConnection Client() {
    return QDBusConnection::sessionBus();
}

QDBusMessage CallAndWait(const QDBusMessage& call) {
    const QDBusPendingCall pending = Client().asyncCall(call);
    if (!QTest::qWaitFor([&pending] { return pending.isFinished(); }, 10'000)) {
        return QDBusMessage::createError(QStringLiteral("org.vantrel.Test.NoAnswer"),
                                         QStringLiteral("no answer in 10 s"));
    }
    QCoreApplication::sendPostedEvents();
    return pending.reply();
}

QDBusMessage CallCalculator(const QString& destination, const char* method,
                            const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        destination, QString::fromLatin1(kCalculatorPath),
        QString::fromLatin1(kCalculatorInterface), QString::fromLatin1(method));
    call.setArguments(arguments);
    return CallAndWait(call);
}

QDBusMessage Input(const QString& destination, uint wParam, uint lParam) {
    return CallCalculator(destination, "Tavrin_INPUT", {wParam, lParam});
}

QDBusMessage Operate(const QString& destination, uint wParam, uint lParam) {
    return CallCalculator(destination, "Tavrin_OPERATE", {wParam, lParam});
}

QVariant Property(const QString& destination, const char* name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        destination, QString::fromLatin1(kCalculatorPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QString::fromLatin1(kCalculatorInterface) << QString::fromLatin1(name);
    const QDBusMessage reply = CallAndWait(call);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return {};
    }
    return reply.arguments().at(0).value<QDBusVariant>().variant();
}

TapeLineRecords TapeLines(const QString& destination) {
    RegisterTapeLineTypes();
    const QDBusMessage reply = CallCalculator(destination, "TapeLines");
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return {};
    }
    return qdbus_cast<TapeLineRecords>(reply.arguments().at(0));
}

QStringList OwnProcessNames() {
    QDBusConnectionInterface& bus = *Client().interface();
    const QString own = Client().baseService();
    QStringList names;
    for (const QString& name : bus.registeredServiceNames().value()) {
        if (name.startsWith(u':') && name != own &&
            bus.servicePid(name).value() == static_cast<uint>(getpid())) {
            names << name;
        }
    }
    return names;
}

PropertiesRecorder::PropertiesRecorder(const QString& sender) {
    Client().connect(sender, QString::fromLatin1(kCalculatorPath),
                     QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), this,
                     SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
}

void PropertiesRecorder::PropertiesChanged(const QString& interface, const QVariantMap& changed,
                                           const QStringList& invalidatedNames) {
    changes.push_back(changed);
    interfaces << interface;
    invalidated << invalidatedNames;
}

}  // namespace vantrel::testing
