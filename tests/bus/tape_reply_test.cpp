#include <gtest/gtest.h>

#include <QDBusConnection>
#include <string>
#include <vector>

#include "commands/adding_machine.h"
#include "shell/dbus/calculator_service.h"
#include "shell/dbus/window_texts.h"
#include "tests/support/bus_client.h"
#include "tools/headless/headless_ports.h"

namespace vantrel::testing {
namespace {

class BlankTexts : public WindowTexts {
  public:
    QString MemoryText() const override { return {}; }
    QString CounterText() const override { return {}; }
    void SetTextListener(std::function<void()>) override {}
};

// The service on a connection of its own, over a tape far longer than any keyed one.
TEST(CalculatorServiceTape, ATapeTooLongForOneMessageIsRefusedAndServingGoesOn) {
    ASSERT_TRUE(HaveSessionBus()) << kNeedsSessionBus;
    RecordingDisplay display;
    ManualTimer timer;
    vantrel::CountingTones tones;
    std::vector<std::string> messages;
    HeadlessTape tape(messages);
    MemoryClipboard clipboard;
    HeadlessWindow window(messages);
    AddingMachine machine({display, timer, tones, tape, clipboard, window}, LocaleSeparators{});
    const BlankTexts texts;
    const std::string amount(60'000, '9');
    for (int k = 0; k < 1'200; ++k) {
        tape.store.AddDataLine(amount, TapeOpAdd, true);
    }
    const QString connection = QStringLiteral("tape-service");
    QDBusConnection bus =
        QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), connection);
    {
        CalculatorService service(machine, tape.store, texts, bus);
        ASSERT_TRUE(bus.registerObject(QString::fromLatin1(kCalculatorPath), &service,
                                       QDBusConnection::ExportAdaptors));
        const QString name = bus.baseService();

        const QDBusMessage refused = CallCalculator(name, "TapeLines");
        EXPECT_EQ(refused.errorName(), QString::fromLatin1(kTapeTooLongError));
        EXPECT_EQ(Input(name, 15'000, 0).type(), QDBusMessage::ReplyMessage);
        EXPECT_EQ(display.displayText, "1.5 ");

        tape.store.SetCurrentLine(3);
        EXPECT_EQ(TapeLines(name).size(), 3);
    }
    QDBusConnection::disconnectFromBus(connection);
}

}  // namespace
}  // namespace vantrel::testing
