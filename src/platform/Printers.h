#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace vantorel {

// Where the installed printers come from: CUPS in the program, a fixed list in tests.
class PrinterSource {
public:
    virtual ~PrinterSource() = default;
    virtual QStringList printerNames() const = 0;
    // The system's default printer; empty when there is none.
    virtual QString systemDefaultPrinter() const = 0;
};

class CupsPrinterSource final : public PrinterSource {
public:
    QStringList printerNames() const override;
    QString systemDefaultPrinter() const override;
};

// Replaces the source of printers and starts again from its default printer.
void UsePrinterSource(std::shared_ptr<const PrinterSource> source);

QStringList PrinterNames();
// The installed printer of that name (names compare without regard to case), or empty.
QString FindPrinter(const QString& name);

// The printer the program treats as the default one. It starts as the system's default printer and is
// switched only inside the program: the system's default printer is never changed.
QString DefaultPrinterName();
// Makes the printer of that name the program's default when such a printer is installed; a name no
// installed printer has changes nothing. Returns whether the default is now that printer.
bool SetWindowsDefaultPrinter(const QString& name);

} // namespace vantorel
