#pragma once

#include "ReportLayout.h"
#include "ReportTemplate.h"

#include "PrintSink.h"

#include <QString>
#include <optional>

namespace vantorel {

class Prompter;

enum class PrintOutcome {
    Printed,
    NotWanted,       // printing is switched off, or nothing to print
    MissingTemplate, // the template file is missing or damaged; the user was told
    PrinterFailed,   // the printer is missing or refused the job; the user was told
};

// Reads a template from the data folder (names found without regard to case). A missing file shows
// "Essential printing-files have been erased from your diskdrive!" (caption "  Printing stopped"), a damaged
// one says where it is damaged; both return nothing, and nothing else happens.
std::optional<ReportTemplate> LoadReportTemplate(const QString& dataFolder, const QString& relativePath,
                                                 Prompter& prompter);

// A template read from a file outside the data folder; the reason in error when it cannot be used.
std::optional<ReportTemplate> ReadTemplateFile(const QString& path, QString* error);

// Prints a laid-out report on a named printer (empty: the system's default printer): a roll template as a
// raw receipt-printer job, a sheet template as pages. A printer that cannot be found or refuses the job is
// reported with the note below the message (what was kept), and the result is PrinterFailed.
PrintOutcome PrintReport(const ReportLayout& layout, const QString& printer, PrintSink& sink,
                         Prompter& prompter, const QString& failureNote = QString());

// Sends a laid-out report to a printer by its resolved name without asking or telling anything, for callers
// that must end a transaction before they show a failure.
PrintJobResult SubmitReport(const ReportLayout& layout, const QString& printerName, PrintSink& sink);
// Tells the user that a job was refused, with what was kept.
void TellPrintRefused(Prompter& prompter, const QString& printerName, const QString& reason,
                      const QString& failureNote);

// The printer a job goes to: the given name, or the system's default printer when it is empty.
QString ResolvePrinterName(const QString& printer, PrintSink& sink);

// Checks before printing that a printer is there; tells the user when not.
bool CheckPrinter(const QString& printer, PrintSink& sink, Prompter& prompter, const QString& failureNote);

} // namespace vantorel
