#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include "shell/dbus/calculator_bus.h"
#include "shell/dbus/window_texts.h"

namespace vantrel {

class AddingMachine;
class Calculator;
class TapeLineStore;

// The object another program reaches at /Calculator: the two calls that push an amount and
// run an operation, and the read-back of the display, the labels, the error state and the
// tape. QtDBus announces no property change by itself; the service compares the four values
// with those last announced and sends PropertiesChanged with the ones that differ.
class CalculatorService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(QString DisplayText READ displayText)
    Q_PROPERTY(QString MemoryText READ memoryText)
    Q_PROPERTY(QString CounterText READ counterText)
    Q_PROPERTY(bool ErrorState READ errorState)

  public:
    CalculatorService(AddingMachine& machine, const TapeLineStore& tape, const WindowTexts& texts,
                      QDBusConnection bus);

    QString displayText() const;
    QString memoryText() const;
    QString counterText() const;
    bool errorState() const;

    // For changes with other causes (a key, a click, the blink's end): one comparison once
    // the event that made them has been handled, however many texts it changed.
    void ScheduleAnnounce();

    // The largest tape that TapeLines sends, in bytes of the message; D-Bus refuses arrays
    // above 64 MiB and a sender that tries is cut off the bus.
    static constexpr qsizetype kMaxTapeReplyBytes = 48 * 1024 * 1024;

  public slots:
    int Tavrin_INPUT(uint wParam, uint lParam);
    int Tavrin_OPERATE(uint wParam, uint lParam);
    vantrel::TapeLineRecords TapeLines();

  private:
    QVariantMap CurrentValues() const;
    void AnnounceChanges();

    AddingMachine& m_machine;
    const Calculator& m_calculator;
    const TapeLineStore& m_tape;
    const WindowTexts& m_texts;
    QDBusConnection m_bus;
    QVariantMap m_announced;
    bool m_announcePending = false;
};

}  // namespace vantrel
