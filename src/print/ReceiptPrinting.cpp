#include "ReceiptPrinting.h"

#include "BusinessDay.h"
#include "Clock.h"
#include "Database.h"
#include "DatabaseError.h"
#include "Money.h"
#include "PrintTexts.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "ReceiptDataset.h"

namespace vantorel {

namespace {

Row settingsRow(Database& db) {
    auto row = db.queryOne(QStringLiteral("SELECT * FROM Utility"));
    if (!row)
        throw DatabaseError(QStringLiteral("The settings record (Utility) is missing."));
    return *row;
}

ReceiptOptions optionsFrom(const Row& utility, const ProgramState& state) {
    ReceiptOptions o;
    o.paxOnReceipt = utility.text(QStringLiteral("Delay")).trimmed() == QLatin1String("1");
    o.setMenusInUse = state.settings.setMenuPricesActive;
    return o;
}

PrintOutcome printOnce(PrintServices& s, const ReportTemplate& tmpl, const ReportDataset& data,
                       const QString& printer) {
    const ReportLayout layout(tmpl, data, s.clock.now());
    return PrintReport(layout, printer, s.sink, s.prompter, PrintText::ReceiptNotPrinted());
}

} // namespace

ReceiptChoice ChooseReceipt(PrintServices& s, const QString& bill, ReceiptStage stage) {
    const Row utility = settingsRow(s.db);
    ReceiptChoice c;
    c.paperSize = utility.text(QStringLiteral("PaperSize"));
    c.header = utility.boolean(QStringLiteral("PrintHeader"));
    c.stage = stage;
    if (auto head = s.db.queryOne(
            QStringLiteral("SELECT PayMode, BillDiscPerc FROM BillA WHERE BillABillA = ?"), {bill})) {
        c.payMode = head->text(QStringLiteral("PayMode"));
        c.billDiscount = head->money(QStringLiteral("BillDiscPerc")) > Money();
    }
    c.itemDiscount =
        s.db.scalar(QStringLiteral("SELECT count(*) FROM BillB WHERE BillBBillA = ? AND ItemDiscPerc > 0"),
                    {bill})
            .toLongLong() > 0;
    c.serviceCharge = s.state.settings.serviceChargeOnBillOn;
    c.tax = s.state.settings.taxOnBillOn;
    return c;
}

PrintOutcome PrintReceipt(PrintServices& s, const QString& bill, ReceiptStage stage) {
    const Row utility = settingsRow(s.db);
    if (!utility.boolean(QStringLiteral("PrintInvoice")))
        return PrintOutcome::NotWanted;
    const QString path = ReceiptTemplatePath(ChooseReceipt(s, bill, stage));
    const auto tmpl = LoadReportTemplate(s.state.dataFolder, path, s.prompter);
    if (!tmpl)
        return PrintOutcome::MissingTemplate;
    const ReportDataset data = ReceiptDataset(s.db, bill, optionsFrom(utility, s.state));
    if (data.isEmpty())
        return PrintOutcome::NotWanted; // a void bill, or one without lines: no empty receipt
    const QString printer = utility.text(QStringLiteral("Printer"));
    const PrintOutcome first = printOnce(s, *tmpl, data, printer);
    if (first != PrintOutcome::Printed)
        return first;
    if (stage == ReceiptStage::Direct && utility.integer(QStringLiteral("PrintCopies")) == 2) {
        s.prompter.showMessage(PrintText::SecondCopy(), PrintText::SecondCopyCaption(),
                               Prompter::Icon::Information);
        return printOnce(s, *tmpl, data, printer);
    }
    return first;
}

PrintOutcome PrintCustomerStatement(PrintServices& s, const QString& bill) {
    const Row utility = settingsRow(s.db);
    const QString path =
        PaperFolder(utility.text(QStringLiteral("PaperSize"))) + QStringLiteral("/VIPDaily.FRF");
    const auto tmpl = LoadReportTemplate(s.state.dataFolder, path, s.prompter);
    if (!tmpl)
        return PrintOutcome::MissingTemplate;
    const QDateTime now = s.clock.now();
    const ReportDataset data = CustomerStatementDataset(s.db, bill, BusinessDayStartAt(now),
                                                        BusinessDayEndAt(now), optionsFrom(utility, s.state));
    return printOnce(s, *tmpl, data, utility.text(QStringLiteral("Printer")));
}

} // namespace vantorel
