#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace vantrel::testing {

// An environment variable set to `value`, or unset for nullopt, for as long as this lives;
// then back to what it was, unset again if it was unset: an empty value is not the same to
// every client.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::optional<QByteArray>& value)
        : m_name(name), m_saved(Read(name)) {
        Write(name, value);
    }
    ~ScopedVariable() { Write(m_name, m_saved); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

    // What the variable held before.
    const std::optional<QByteArray>& Saved() const { return m_saved; }

  private:
    static std::optional<QByteArray> Read(const char* name) {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }
    static void Write(const char* name, const std::optional<QByteArray>& value) {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }

    const char* m_name;
    std::optional<QByteArray> m_saved;
};

}  // namespace vantrel::testing
