// One of the programs of the bus flood: pushes `pairs` amounts of its own, each followed by
// Add, and waits for every answer. Amount k of client c is c * 100000 + k, so that the tape
// tells whose amount each line is. Prints how many calls were answered 0 and exits 1 when any
// call was not.
//
//     vantrel-bus-flood-client DESTINATION CLIENT PAIRS
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <cstdio>

#include "bus/bus_names.h"

namespace {

constexpr uint kAddOperation = 2;
constexpr uint kAmountScale = 10000;
constexpr qint64 kClientStride = 100000;

bool AnsweredZero(const QString& destination, const char* method, uint wParam, uint lParam) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        destination, QString::fromLatin1(vantrel::kCalculatorPath),
        QString::fromLatin1(vantrel::kCalculatorInterface), QString::fromLatin1(method));
    call << wParam << lParam;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 120'000);
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1 &&
           reply.arguments().front().toInt() == 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: vantrel-bus-flood-client DESTINATION CLIENT PAIRS\n");
        return 2;
    }
    const QString destination = arguments[1];
    const qint64 client = arguments[2].toLongLong();
    const qint64 pairs = arguments[3].toLongLong();
    qint64 answered = 0;
    for (qint64 k = 0; k < pairs; ++k) {
        const auto scaled = static_cast<quint64>((client * kClientStride + k) * kAmountScale);
        answered += AnsweredZero(destination, "Tavrin_INPUT", static_cast<uint>(scaled),
                                 static_cast<uint>(scaled >> 32));
        answered += AnsweredZero(destination, "Tavrin_OPERATE", kAddOperation, 0);
    }
    std::printf("%lld\n", static_cast<long long>(answered));
    return answered == 2 * pairs ? 0 : 1;
}
