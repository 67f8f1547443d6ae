#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

namespace lumeta {

class PrintTarget;

// The print system as the program sees it: the printers installed, the default one, and a
// document opened on a printer's queue. The game uses the system's own (CUPS on Linux);
// tests hand in one of their own, so nothing depends on the printers of the machine.
class PrintSystem {
  public:
    virtual ~PrintSystem() = default;

    // Installed printers by name, in the system's order.
    virtual QStringList Printers() const = 0;
    // The default printer's name; empty when there is none.
    virtual QString DefaultPrinter() const = 0;
    // A document for `printer` with the page layout, copies and duplex of `settings`; its
    // pages reach the queue only when the document is finished.
    virtual std::unique_ptr<PrintTarget> OpenQueue(const QString& printer, const QPrinter& settings,
                                                   const QString& title) = 0;
};

// The system's print service. Asks the print server only when first asked, so a program
// that never prints never loads the print libraries.
std::shared_ptr<PrintSystem> SystemPrintService();

}  // namespace lumeta
