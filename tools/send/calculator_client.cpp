#include "tools/send/calculator_client.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QVariantMap>
#include <vector>

#include "shell/dbus/calculator_bus.h"
#include "tools/send/send_output.h"

namespace vantrel {
namespace {

using Reply = std::variant<QDBusMessage, SendError>;

const QString kConnectionName = QStringLiteral("vantrel-send");

SendError NoCalculator(const std::string& why) {
    return {ExitCode::NoCalculator, "no calculator running: " + why};
}

SendError UnexpectedAnswer() {
    return {ExitCode::Failed, "the calculator's answer was not of the expected form"};
}

SendError ErrorAnswer(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        return NoCalculator(std::string("nothing owns ") + kCalculatorService +
                            " on the session bus");
    }
    return {ExitCode::Failed, "the calculator refused: " + name.toStdString() + ": " +
                                  reply.errorMessage().toStdString()};
}

Reply Call(QDBusConnection& bus, const QString& interface, const QString& method,
           const QVariantList& arguments, const QString& signature) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kCalculatorService),
                                       QString::fromLatin1(kCalculatorPath), interface, method);
    call.setArguments(arguments);
    const QDBusMessage reply = bus.call(call);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        return ErrorAnswer(reply);
    }
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != signature) {
        return UnexpectedAnswer();
    }
    return reply;
}

Reply CallCalculator(QDBusConnection& bus, const QString& method, const QVariantList& arguments,
                     const QString& signature) {
    return Call(bus, QString::fromLatin1(kCalculatorInterface), method, arguments, signature);
}

std::variant<std::string, SendError> Message(QDBusConnection& bus, const char* method,
                                             MessageHalves halves) {
    const Reply reply =
        CallCalculator(bus, QString::fromLatin1(method),
                       {QVariant::fromValue(halves.wParam), QVariant::fromValue(halves.lParam)},
                       QStringLiteral("i"));
    if (const auto* error = std::get_if<SendError>(&reply)) {
        return *error;
    }
    return std::string();
}

std::variant<std::string, SendError> Read(QDBusConnection& bus) {
    const Reply reply =
        Call(bus, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"),
             {QString::fromLatin1(kCalculatorInterface)}, QStringLiteral("a{sv}"));
    if (const auto* error = std::get_if<SendError>(&reply)) {
        return *error;
    }
    const auto values = qdbus_cast<QVariantMap>(std::get<QDBusMessage>(reply).arguments().at(0));
    const auto text = [&values](const char* name) {
        return values.value(QString::fromLatin1(name)).toString().toStdString();
    };
    const QVariant error = values.value(QStringLiteral("ErrorState"));
    if (error.typeId() != QMetaType::Bool) {
        return UnexpectedAnswer();
    }
    return ReadText({text("DisplayText"), text("MemoryText"), text("CounterText"), error.toBool()});
}

std::variant<std::string, SendError> Tape(QDBusConnection& bus, bool csv) {
    RegisterTapeLineTypes();
    const Reply reply =
        CallCalculator(bus, QStringLiteral("TapeLines"), {}, QStringLiteral("a(sib)"));
    if (const auto* error = std::get_if<SendError>(&reply)) {
        return *error;
    }
    const auto lines = qdbus_cast<TapeLineRecords>(std::get<QDBusMessage>(reply).arguments().at(0));
    std::vector<TapeRow> rows;
    rows.reserve(static_cast<std::size_t>(lines.size()));
    for (const TapeLineRecord& line : lines) {
        rows.push_back({line.NumStr.toStdString(), line.Op, line.CLR});
    }
    return csv ? TapeCsv(rows) : TapeText(rows);
}

}  // namespace

std::variant<std::string, SendError> SendToCalculator(const SendRequest& request) {
    QDBusConnection bus = ConnectSessionBus(kConnectionName);
    if (!bus.isConnected()) {
        return NoCalculator("no session bus");
    }
    switch (request.command) {
        case Command::Input:
            return Message(bus, "Tavrin_INPUT", request.halves);
        case Command::Operate:
            return Message(bus, "Tavrin_OPERATE", request.halves);
        case Command::Read:
            return Read(bus);
        case Command::Tape:
            return Tape(bus, false);
        case Command::TapeCsv:
            return Tape(bus, true);
        case Command::Help:
            return std::string(HelpText());
    }
    return std::string();
}

}  // namespace vantrel
