#pragma once

#include <QString>
#include <functional>

namespace vantrel {

// What the message interface reads of the window beyond the calculator: the memory and counter
// labels as they stand, and word of every new text of the display or a label.
class WindowTexts {
  public:
    virtual ~WindowTexts() = default;
    virtual QString MemoryText() const = 0;
    virtual QString CounterText() const = 0;
    // Told after each new text; an empty listener stops the telling.
    virtual void SetTextListener(std::function<void()> listener) = 0;
};

}  // namespace vantrel
