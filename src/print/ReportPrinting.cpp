#include "ReportPrinting.h"

#include "DataFolderFiles.h"
#include "EscPos.h"
#include "PagedReport.h"
#include "PrintSink.h"
#include "PrintTexts.h"
#include "Prompter.h"

#include <QFile>
#include <QFileInfo>

namespace vantorel {

namespace {

void tell(Prompter& prompter, const QString& text, const QString& note) {
    prompter.showMessage(note.isEmpty() ? text : text + QStringLiteral("\n\n") + note,
                         PrintText::PrintingStoppedCaption(), Prompter::Icon::Exclamation);
}

} // namespace

std::optional<ReportTemplate> ReadTemplateFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    TemplateError parseError;
    auto parsed = ParseTemplate(QString::fromUtf8(file.readAll()), &parseError);
    if (!parsed && error)
        *error = parseError.toString();
    return parsed;
}

std::optional<ReportTemplate> LoadReportTemplate(const QString& dataFolder, const QString& relativePath,
                                                 Prompter& prompter) {
    const QString path = FindInDataFolder(dataFolder, relativePath);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        prompter.showMessage(PrintText::MissingPrintFiles(), PrintText::PrintingStoppedCaption(),
                             Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    QString error;
    auto parsed = ReadTemplateFile(path, &error);
    if (!parsed) {
        prompter.showMessage(PrintText::DamagedPrintFile(relativePath, error),
                             PrintText::PrintingStoppedCaption(), Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    if (parsed->title.isEmpty())
        parsed->title = QFileInfo(path).completeBaseName();
    return parsed;
}

QString ResolvePrinterName(const QString& printer, PrintSink& sink) {
    const QString name = printer.trimmed();
    return name.isEmpty() ? sink.defaultPrinter() : name;
}

bool CheckPrinter(const QString& printer, PrintSink& sink, Prompter& prompter, const QString& failureNote) {
    const QString name = ResolvePrinterName(printer, sink);
    if (name.isEmpty()) {
        tell(prompter, PrintText::NoPrinterSet(), failureNote);
        return false;
    }
    if (!sink.printerExists(name)) {
        tell(prompter, PrintText::PrinterNotFound(name), failureNote);
        return false;
    }
    return true;
}

PrintOutcome PrintReport(const ReportLayout& layout, const QString& printer, PrintSink& sink,
                         Prompter& prompter, const QString& failureNote) {
    if (!CheckPrinter(printer, sink, prompter, failureNote))
        return PrintOutcome::PrinterFailed;
    const QString name = ResolvePrinterName(printer, sink);
    const PrintJobResult result = SubmitReport(layout, name, sink);
    if (!result.ok) {
        TellPrintRefused(prompter, name, result.error, failureNote);
        return PrintOutcome::PrinterFailed;
    }
    return PrintOutcome::Printed;
}

PrintJobResult SubmitReport(const ReportLayout& layout, const QString& printerName, PrintSink& sink) {
    const ReportTemplate& t = layout.reportTemplate();
    if (t.isRoll())
        return sink.submit(printerName, t.title, EscPosJob(layout), PrintSink::Format::Raw);
    const QByteArray pdf = PagedReport(layout).toPdf(t.title);
    if (pdf.isEmpty())
        return PrintJobResult{false, QStringLiteral("the pages could not be made"), 0};
    return sink.submit(printerName, t.title, pdf, PrintSink::Format::Pdf);
}

void TellPrintRefused(Prompter& prompter, const QString& printerName, const QString& reason,
                      const QString& failureNote) {
    tell(prompter, PrintText::PrinterRefused(printerName, reason), failureNote);
}

} // namespace vantorel
