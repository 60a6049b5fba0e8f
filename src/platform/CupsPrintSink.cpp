#include "CupsPrintSink.h"

#include "Printers.h"

#include <cups/cups.h>

namespace vantorel {

namespace {

QString lastCupsError() {
    const char* text = cupsLastErrorString();
    return text && *text ? QString::fromUtf8(text) : QStringLiteral("the print system did not answer");
}

} // namespace

bool CupsPrintSink::printerExists(const QString& name) {
    if (name.trimmed().isEmpty())
        return false;
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr);
    if (!dest)
        return false;
    cupsFreeDests(1, dest);
    return true;
}

QString CupsPrintSink::defaultPrinter() {
    // The program's own default printer: the system's, unless the program switched it.
    return DefaultPrinterName();
}

QStringList CupsPrintSink::printerNames() {
    return PrinterNames();
}

PrintJobResult CupsPrintSink::submit(const QString& printer, const QString& title, const QByteArray& document,
                                     Format format) {
    PrintJobResult result;
    const QByteArray name = printer.toUtf8();
    const QByteArray jobTitle = title.toUtf8();
    const int id = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), jobTitle.constData(), 0, nullptr);
    if (id <= 0) {
        result.error = lastCupsError();
        return result;
    }
    const char* mime = format == Format::Raw ? CUPS_FORMAT_RAW : CUPS_FORMAT_PDF;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), id, jobTitle.constData(), mime, 1) !=
        HTTP_STATUS_CONTINUE) {
        result.error = lastCupsError();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), id, 0);
        return result;
    }
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, document.constData(), static_cast<size_t>(document.size())) !=
        HTTP_STATUS_CONTINUE) {
        result.error = lastCupsError();
        cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), id, 0);
        return result;
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) != IPP_STATUS_OK) {
        result.error = lastCupsError();
        return result;
    }
    result.ok = true;
    result.jobId = id;
    return result;
}

CupsPrintSink& CupsPrintSink::instance() {
    static CupsPrintSink sink;
    return sink;
}

} // namespace vantorel
