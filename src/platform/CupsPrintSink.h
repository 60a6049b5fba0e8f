#pragma once

#include "PrintSink.h"

namespace vantorel {

// The CUPS queues of the print server this process talks to (CUPS_SERVER, or the local one).
class CupsPrintSink final : public PrintSink {
public:
    bool printerExists(const QString& name) override;
    QString defaultPrinter() override;
    QStringList printerNames() override;
    PrintJobResult submit(const QString& printer, const QString& title, const QByteArray& document,
                          Format format) override;

    static CupsPrintSink& instance();
};

} // namespace vantorel
