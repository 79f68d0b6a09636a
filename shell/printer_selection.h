#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace vantrel {

// The installed printers as the printer service reports them at the moment of asking.
class PrinterList {
  public:
    virtual ~PrinterList() = default;
    // Device names in the service's enumeration order.
    virtual QStringList DeviceNames() const = 0;
    // The system's default printer; empty when none is set.
    virtual QString DefaultName() const = 0;
};

// The current printer, the one the tape prints on. Device names compare without regard to
// letter case; the current name is always spelt as the service lists it.
class PrinterSelection {
  public:
    explicit PrinterSelection(std::unique_ptr<PrinterList> printers);

    // Empty while no printer is installed.
    const QString& Current() const { return m_current; }
    // Makes the printer of that name current; the last match in enumeration order wins. False,
    // with the current printer unchanged, when no installed printer has the name.
    bool SelectPrinter(const QString& name);
    QStringList DeviceNames() const { return m_printers->DeviceNames(); }

  private:
    std::unique_ptr<PrinterList> m_printers;
    QString m_current;
};

}  // namespace vantrel
