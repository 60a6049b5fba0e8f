#pragma once

#include "PrintServices.h"
#include "ReceiptTemplatePath.h"
#include "ReportPrinting.h"

namespace vantorel {

// The template choice for a bill at a stage: paper size and header from the settings record, the pay mode
// and discounts from the bill, the service-charge and tax switches from the settings in memory.
ReceiptChoice ChooseReceipt(PrintServices& services, const QString& bill, ReceiptStage stage);

// Prints a receipt for a stored bill on the receipt printer (Utility.Printer). Nothing happens while
// receipts are off, nor for a void bill or one without lines. A missing template tells the user and prints
// nothing. After a direct payment with two copies set, the user is asked to insert an empty sheet and a
// second copy follows. The bill is only read. Whether a final receipt is wanted at all (BillA.PrintBill,
// "Print final bill?") is the caller's question.
PrintOutcome PrintReceipt(PrintServices& services, const QString& bill, ReceiptStage stage);

// The first receipt, printed after the first print of the bill is committed.
inline PrintOutcome PrintBill1(PrintServices& services, const QString& bill) {
    return PrintReceipt(services, bill, ReceiptStage::First);
}
// The final receipt after settlement (Final: reinsert; Direct: complete bill).
inline PrintOutcome PrintBill(PrintServices& services, const QString& bill, ReceiptStage stage) {
    return PrintReceipt(services, bill, stage);
}

// The customer-account statement: the lines of the business day on the VIPDaily template.
PrintOutcome PrintCustomerStatement(PrintServices& services, const QString& bill);

} // namespace vantorel
