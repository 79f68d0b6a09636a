#pragma once

#include <QString>
#include <memory>

namespace vantrel {

class AddingMachine;
class CalculatorService;
class TapeLineStore;
class WindowTexts;

// The parts of the main window that the message interface reads and drives.
struct HookedWindow {
    AddingMachine& machine;
    const TapeLineStore& tape;
    WindowTexts& texts;
};

// Serves the calculator to other programs on the session bus, from HookWindow to
// UnhookWindow. Every copy of the program serves on a connection of its own; the well-known
// name goes to the first copy and waits in the bus's queue for each later one, which takes it
// over when the copies before it quit. Without a session bus nothing is served, silently.
class MessageHook {
  public:
    MessageHook();
    ~MessageHook();
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;

    void HookWindow(const HookedWindow& window);
    void UnhookWindow();

  private:
    QString m_connectionName;
    std::unique_ptr<CalculatorService> m_service;
    WindowTexts* m_texts = nullptr;
};

}  // namespace vantrel
