#include "shell/dbus/calculator_service.h"

#include <QDBusMessage>
#include <QTimer>
#include <cstdint>
#include <utility>

#include "calculator_adaptor.h"
#include "commands/adding_machine.h"
#include "core/calculator.h"
#include "tape/tape_line_store.h"

namespace vantrel {
namespace {

// An upper bound of what one (sib) takes in a message: alignment, the string's length word
// and its closing zero, the two 32-bit words.
constexpr qsizetype kLineOverheadBytes = 24;

}  // namespace

CalculatorService::CalculatorService(AddingMachine& machine, const TapeLineStore& tape,
                                     const WindowTexts& texts, QDBusConnection bus)
    : m_machine(machine),
      m_calculator(machine.Calc()),
      m_tape(tape),
      m_texts(texts),
      m_bus(std::move(bus)) {
    RegisterTapeLineTypes();
    new CalculatorAdaptor(this);
    m_announced = CurrentValues();
}

QString CalculatorService::displayText() const {
    return QString::fromStdString(m_calculator.DisplayedText());
}

QString CalculatorService::memoryText() const {
    return m_texts.MemoryText();
}

QString CalculatorService::counterText() const {
    return m_texts.CounterText();
}

bool CalculatorService::errorState() const {
    return m_calculator.State().ErrorState;
}

int CalculatorService::Tavrin_INPUT(uint wParam, uint lParam) {
    m_machine.PushAmountMessage(wParam, lParam);
    AnnounceChanges();
    return 0;
}

int CalculatorService::Tavrin_OPERATE(uint wParam, uint /*lParam*/) {
    m_machine.OperateMessage(wParam);
    AnnounceChanges();
    return 0;
}

TapeLineRecords CalculatorService::TapeLines() {
    TapeLineRecords lines;
    qsizetype bytes = 0;
    for (std::int32_t k = 1; k <= m_tape.CurrentLine(); ++k) {
        const TapeLine line = m_tape.Line(k);
        bytes += kLineOverheadBytes + static_cast<qsizetype>(line.NumStr.size());
        if (bytes > kMaxTapeReplyBytes) {
            sendErrorReply(QString::fromLatin1(kTapeTooLongError),
                           QStringLiteral("The tape is too long for one message."));
            return {};
        }
        lines.append({QString::fromUtf8(line.NumStr.data(), line.NumStr.size()), LineCode(line.Op),
                      line.CLR});
    }
    return lines;
}

void CalculatorService::ScheduleAnnounce() {
    if (m_announcePending) {
        return;
    }
    m_announcePending = true;
    QTimer::singleShot(0, this, [this] {
        m_announcePending = false;
        AnnounceChanges();
    });
}

QVariantMap CalculatorService::CurrentValues() const {
    return {{QStringLiteral("DisplayText"), displayText()},
            {QStringLiteral("MemoryText"), memoryText()},
            {QStringLiteral("CounterText"), counterText()},
            {QStringLiteral("ErrorState"), errorState()}};
}

void CalculatorService::AnnounceChanges() {
    const QVariantMap current = CurrentValues();
    QVariantMap changed;
    for (auto value = current.cbegin(); value != current.cend(); ++value) {
        if (m_announced.value(value.key()) != value.value()) {
            changed.insert(value.key(), value.value());
        }
    }
    if (changed.isEmpty()) {
        return;
    }
    m_announced = current;
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kCalculatorPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(kCalculatorInterface) << changed << QStringList();
    m_bus.send(signal);
}

}  // namespace vantrel
