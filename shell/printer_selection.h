#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace vantrel {

// The installed printers as the printer service reported them.
struct PrinterNames {
    // Device names in the service's enumeration order.
    QStringList deviceNames;
    // The system's default printer; empty when none is set.
    QString defaultName;
};

// The printer service. Asking it may take long, so its answer comes back later.
class PrinterList {
  public:
    virtual ~PrinterList() = default;
    // Hands the printers installed now to `arrived`, on the thread of `owner` and never after
    // `owner` has gone; an empty list when the service could not tell in time.
    virtual void Read(QObject& owner, std::function<void(const PrinterNames&)> arrived) = 0;
};

// The current printer, the one the tape prints on, among the printers last read. Device names
// compare without regard to letter case; the current name is always spelt as the service
// lists it.
class PrinterSelection {
  public:
    // Starts on the default printer, or else on the first one.
    void Reset(PrinterNames printers);
    // Whether a list has been read.
    bool Listed() const { return m_listed; }
    // Empty while no printer is installed.
    const QString& Current() const { return m_current; }
    // Makes the printer of that name current; the last match in enumeration order wins. False,
    // with the current printer unchanged, when no listed printer has the name.
    bool SelectPrinter(const QString& name);
    const QStringList& DeviceNames() const { return m_printers.deviceNames; }

  private:
    PrinterNames m_printers;
    QString m_current;
    bool m_listed = false;
};

// Whether `names` holds `name`, in any letter case.
bool ListsPrinter(const QStringList& names, const QString& name);

}  // namespace vantrel
