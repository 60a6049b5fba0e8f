#pragma once

#include "PrintServices.h"
#include "ReportDataset.h"
#include "ReportPrinting.h"

#include <QString>
#include <vector>

namespace vantorel {

class WorkstationIni;

// One line of an order slip: quantity, item, the waiter's remark for the kitchen or bar.
struct SlipLine {
    int number = 0;
    QString item;
    QString remark;
};

// The queued order lines split for the line printers: kitchen items (Items.RptQty 1) and the others.
// The waiter and table of the first queued row stand for the whole slip.
struct SlipLists {
    QString waiter;
    QString table;
    std::vector<SlipLine> kitchen;
    std::vector<SlipLine> bar;
};

// The line-printer settings of this workstation (Vantorel.ini, section "Printers").
struct LinePrinterSettings {
    QString kitchen;
    QString kitchenType;
    QString bar;
    QString barType;
    QString invoice;
    QString invoiceType;
    bool copyToInvoice = false; // "CopyIvoice" "Yes": "Send total to Bill Printer" starts ticked

    static LinePrinterSettings read(const WorkstationIni& ini);
    // Line printers are in use when a kitchen or bar printer is named (not "None", not empty): with no
    // printer named the slip goes to the receipt printer rather than to a dialog that cannot send it.
    bool inUse() const;
};

// A remark as the slip prints it: trailing blanks removed, the first letter and every letter after a blank
// upper-cased ("no onions  extra hot " gives "No Onions  Extra Hot").
QString FormatSlipRemark(const QString& text);

// Which queued rows the lists show: the keyboard screen sends every item that is not a kitchen item to the
// bar; the touch screen shows only items marked for the kitchen (Items.RptQty 1) or the bar (2).
enum class SlipListing { OthersToBar, MarkedOnly };

// The queued rows (BarSlip) split into the kitchen and bar lists, in the order they were queued.
SlipLists ReadSlipLists(Database& db, SlipListing listing = SlipListing::OthersToBar);

// The dataset of the line-printer slip template (BarslipLP.frf): Int1 quantity, Str2 item, Str3 remark,
// Str4 waiter, Str5 table. Built in memory, so that two workstations sending slips at once never mix lines.
ReportDataset LinePrinterSlipDataset(const std::vector<SlipLine>& lines, const QString& waiter,
                                     const QString& table);

// The single-printer order slip: every queued row on Barslip.frf (from the folder of the paper size) on the
// receipt printer, ordered by table and quantity (largest first). The queue is emptied in the same
// transaction as it is read and printed: when the template is missing or the printer fails, the user is
// told and every row stays queued.
PrintOutcome PrintOrderSlip(PrintServices& services);

// "Send" of the line-printer dialog: the total of both lists to the receipt printer when asked, the kitchen
// list to the kitchen printer, the bar list to the bar printer, each on BarslipLP.frf from the folder of
// that printer's type; then the queue is emptied. Every printer and template is checked before anything is
// printed; on any failure the user is told and the queue stays.
PrintOutcome SendLinePrinterSlips(PrintServices& services, const SlipLists& lists, bool sendTotal,
                                  const LinePrinterSettings& printers);

} // namespace vantorel
