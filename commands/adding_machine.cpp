#include "commands/adding_machine.h"

#include <utility>

namespace vantrel {

AddingMachine::AddingMachine(AddingMachinePorts ports, LocaleSeparators separators)
    : m_window(ports.window),
      m_calculator({ports.display, ports.timer, ports.tones, ports.tape}, std::move(separators)),
      m_dispatcher(m_calculator, ports.tape, ports.clipboard, ports.window, ports.tones) {}

void AddingMachine::Start() {
    m_calculator.ShowEmptyMemory();
    m_calculator.StartEntry();
}

}  // namespace vantrel
