#include "OrderSlips.h"

#include "Clock.h"
#include "Database.h"
#include "DatabaseError.h"
#include "PrintTexts.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "ReceiptTemplatePath.h"
#include "SqlNames.h"
#include "UnitOfWork.h"
#include "WorkstationIni.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

namespace {

bool isNone(const QString& printer) {
    const QString p = printer.trimmed();
    return p.isEmpty() || p.compare(QLatin1String("None"), Qt::CaseInsensitive) == 0;
}

QString receiptPrinter(Database& db) {
    return db.scalar(QStringLiteral("SELECT Printer FROM Utility")).toString();
}

QString paperSize(Database& db) {
    return db.scalar(QStringLiteral("SELECT PaperSize FROM Utility")).toString();
}

struct SlipJob {
    QString what; // "kitchen", "bar", "receipt printer": for the message after a failure
    QString printer;
    ReportTemplate tmpl;
    ReportDataset data;
};

} // namespace

LinePrinterSettings LinePrinterSettings::read(const WorkstationIni& ini) {
    LinePrinterSettings p;
    p.kitchen = ini.kitchenPrinter();
    p.kitchenType = ini.kitchenPrinterType();
    p.bar = ini.barPrinter();
    p.barType = ini.barPrinterType();
    p.invoice = ini.invoicePrinter();
    p.invoiceType = ini.invoicePrinterType();
    p.copyToInvoice = ini.copyTotalsToInvoicePrinter();
    return p;
}

bool LinePrinterSettings::inUse() const {
    return !isNone(kitchen) || !isNone(bar);
}

QString FormatSlipRemark(const QString& text) {
    QString out = text;
    while (!out.isEmpty() && out.back().isSpace())
        out.chop(1);
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (i == 0 || out[i - 1] == QLatin1Char(' '))
            out[i] = out[i].toUpper();
    }
    return out;
}

SlipLists ReadSlipLists(Database& db, SlipListing listing) {
    const Rows rows = db.query(
        QStringLiteral(
            "SELECT BarSlip.Waiter, BarSlip.TableNum, BarSlip.%1, BarSlip.%2, "
            "(SELECT count(*) FROM Items WHERE Items.Desc1 = BarSlip.%1 AND Items.RptQty = 1) AS Kitchen, "
            "(SELECT count(*) FROM Items WHERE Items.Desc1 = BarSlip.%1 AND Items.RptQty = 2) AS Bar "
            "FROM BarSlip")
            .arg(SqlName(QStringLiteral("Item")), SqlName(QStringLiteral("Number"))));
    SlipLists lists;
    for (const Row& r : rows) {
        if (lists.waiter.isEmpty() && lists.table.isEmpty()) {
            lists.waiter = r.text(QStringLiteral("Waiter"));
            lists.table = r.text(QStringLiteral("TableNum"));
        }
        SlipLine line{static_cast<int>(std::lround(r.number(QStringLiteral("Number")))),
                      r.text(QStringLiteral("Item")), QString()};
        if (r.integer(QStringLiteral("Kitchen")) > 0)
            lists.kitchen.push_back(line);
        else if (listing == SlipListing::OthersToBar || r.integer(QStringLiteral("Bar")) > 0)
            lists.bar.push_back(line);
    }
    return lists;
}

ReportDataset LinePrinterSlipDataset(const std::vector<SlipLine>& lines, const QString& waiter,
                                     const QString& table) {
    ReportDataset data({QStringLiteral("Int1"), QStringLiteral("Str2"), QStringLiteral("Str3"),
                        QStringLiteral("Str4"), QStringLiteral("Str5")});
    for (const SlipLine& l : lines)
        data.appendRow({qint64(l.number), l.item, l.remark, waiter, table});
    return data;
}

PrintOutcome PrintOrderSlip(PrintServices& s) {
    const QString printer = receiptPrinter(s.db);
    const auto tmpl = LoadReportTemplate(
        s.state.dataFolder, PaperFolder(paperSize(s.db)) + QStringLiteral("/Barslip.frf"), s.prompter);
    if (!tmpl)
        return PrintOutcome::MissingTemplate;
    if (!CheckPrinter(printer, s.sink, s.prompter, PrintText::OrderSlipKept()))
        return PrintOutcome::PrinterFailed;
    const QString name = ResolvePrinterName(printer, s.sink);

    PrintJobResult result;
    {
        UnitOfWork work(s.db);
        // Taking the rows by deleting them holds the queue for this transaction: rows queued meanwhile by
        // another workstation are neither printed nor lost.
        Rows rows = s.db.query(QStringLiteral("DELETE FROM BarSlip RETURNING *"));
        if (rows.empty())
            return PrintOutcome::NotWanted;
        std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
            const int t = a.text(QStringLiteral("TableNum"))
                              .compare(b.text(QStringLiteral("TableNum")), Qt::CaseInsensitive);
            if (t != 0)
                return t < 0;
            return a.number(QStringLiteral("Number")) > b.number(QStringLiteral("Number"));
        });
        const ReportDataset data = ReportDataset::fromRows(rows, {QStringLiteral("BarSlip")});
        result = SubmitReport(ReportLayout(*tmpl, data, s.clock.now()), name, s.sink);
        if (result.ok)
            work.commit();
    }
    if (!result.ok) {
        TellPrintRefused(s.prompter, name, result.error, PrintText::OrderSlipKept());
        return PrintOutcome::PrinterFailed;
    }
    return PrintOutcome::Printed;
}

PrintOutcome SendLinePrinterSlips(PrintServices& s, const SlipLists& lists, bool sendTotal,
                                  const LinePrinterSettings& printers) {
    struct Destination {
        QString what;
        QString printer;
        QString type;
        std::vector<SlipLine> lines;
    };
    std::vector<Destination> destinations;
    if (sendTotal) {
        std::vector<SlipLine> all = lists.kitchen;
        all.insert(all.end(), lists.bar.begin(), lists.bar.end());
        destinations.push_back(
            {QStringLiteral("receipt printer"), printers.invoice, printers.invoiceType, all});
    }
    if (!lists.kitchen.empty())
        destinations.push_back(
            {QStringLiteral("kitchen"), printers.kitchen, printers.kitchenType, lists.kitchen});
    if (!lists.bar.empty())
        destinations.push_back({QStringLiteral("bar"), printers.bar, printers.barType, lists.bar});

    // Everything is checked before the first slip is printed, so that a missing printer or template never
    // leaves the kitchen with its slip and the bar without.
    std::vector<SlipJob> jobs;
    for (const Destination& d : destinations) {
        QString folder = PrinterTypeFolder(d.type);
        if (folder.isEmpty())
            folder = PaperFolder(paperSize(s.db));
        const auto tmpl =
            LoadReportTemplate(s.state.dataFolder, folder + QStringLiteral("/BarslipLP.frf"), s.prompter);
        if (!tmpl)
            return PrintOutcome::MissingTemplate;
        if (isNone(d.printer)) {
            s.prompter.showMessage(PrintText::NoPrinterSet() + QStringLiteral("\n\n") +
                                       PrintText::OrderSlipKept(),
                                   PrintText::PrintingStoppedCaption(), Prompter::Icon::Exclamation);
            return PrintOutcome::PrinterFailed;
        }
        if (!CheckPrinter(d.printer, s.sink, s.prompter, PrintText::OrderSlipKept()))
            return PrintOutcome::PrinterFailed;
        jobs.push_back(
            {d.what, d.printer.trimmed(), *tmpl, LinePrinterSlipDataset(d.lines, lists.waiter, lists.table)});
    }

    PrintJobResult failure{true, QString(), 0};
    QString failedPrinter;
    QStringList printed;
    {
        UnitOfWork work(s.db);
        s.db.exec(QStringLiteral("DELETE FROM BarSlip"));
        for (const SlipJob& job : jobs) {
            const PrintJobResult r =
                SubmitReport(ReportLayout(job.tmpl, job.data, s.clock.now()), job.printer, s.sink);
            if (!r.ok) {
                failure = r;
                failedPrinter = job.printer;
                break;
            }
            printed << job.what;
        }
        if (failure.ok)
            work.commit();
    }
    if (!failure.ok) {
        QString note = PrintText::OrderSlipKept();
        if (!printed.isEmpty())
            note =
                QStringLiteral("Already printed for: %1.\n").arg(printed.join(QStringLiteral(", "))) + note;
        TellPrintRefused(s.prompter, failedPrinter, failure.error, note);
        return PrintOutcome::PrinterFailed;
    }
    return PrintOutcome::Printed;
}

} // namespace vantorel
