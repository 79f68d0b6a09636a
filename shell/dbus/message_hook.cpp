#include "shell/dbus/message_hook.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include "shell/dbus/calculator_bus.h"
#include "shell/dbus/calculator_service.h"
#include "shell/dbus/window_texts.h"

namespace vantrel {

// Named after the hook itself, so that two windows of one process (as in the tests) are two
// copies on the bus.
MessageHook::MessageHook()
    : m_connectionName(
          QStringLiteral("vantrel-window-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

MessageHook::~MessageHook() {
    UnhookWindow();
}

void MessageHook::HookWindow(const HookedWindow& window) {
    if (m_service) {
        return;
    }
    QDBusConnection bus = ConnectSessionBus(m_connectionName);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        return;
    }
    auto service =
        std::make_unique<CalculatorService>(window.machine, window.tape, window.texts, bus);
    // The object first, so that no caller ever finds the name without the object behind it.
    if (!bus.registerObject(QString::fromLatin1(kCalculatorPath), service.get(),
                            QDBusConnection::ExportAdaptors)) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        return;
    }
    bus.interface()->registerService(QString::fromLatin1(kCalculatorService),
                                     QDBusConnectionInterface::QueueService);
    m_service = std::move(service);
    m_texts = &window.texts;
    m_texts->SetTextListener([service = m_service.get()] { service->ScheduleAnnounce(); });
}

void MessageHook::UnhookWindow() {
    if (!m_service) {
        return;
    }
    m_texts->SetTextListener({});
    QDBusConnection bus(m_connectionName);
    bus.interface()->unregisterService(QString::fromLatin1(kCalculatorService));
    bus.unregisterObject(QString::fromLatin1(kCalculatorPath));
    m_service.reset();
    m_texts = nullptr;
    QDBusConnection::disconnectFromBus(m_connectionName);
}

}  // namespace vantrel
