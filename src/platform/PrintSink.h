#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vantorel {

// What a print job came to: accepted by the printer's queue, or the reason it was not.
struct PrintJobResult {
    bool ok = false;
    QString error;
    int jobId = 0;
};

// The printers of this computer, reached by queue name. The program talks to them through this
// interface so that engines can be tested with a recording printer.
class PrintSink {
public:
    enum class Format {
        Raw, // bytes passed unchanged to the device (receipt-printer commands)
        Pdf, // pages, converted by the print system for the printer
    };

    virtual ~PrintSink() = default;

    virtual bool printerExists(const QString& name) = 0;
    // The program's default printer (the system's unless switched inside the program), or empty.
    virtual QString defaultPrinter() = 0;
    virtual QStringList printerNames() = 0;
    virtual PrintJobResult submit(const QString& printer, const QString& title, const QByteArray& document,
                                  Format format) = 0;
};

} // namespace vantorel
