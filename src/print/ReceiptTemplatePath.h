#pragma once

#include <QString>

namespace vantorel {

// When a receipt is printed: the first bill; the final bill printed onto the first printout put back into the
// printer (reinsert); the complete final bill after a direct payment or with "full bill" on.
enum class ReceiptStage { First, Final, Direct };

// What chooses a receipt's template.
struct ReceiptChoice {
    QString paperSize;   // Utility.PaperSize: "A5", "A6", "RPI", "RPT" or "MIN"
    bool header = false; // Utility.PrintHeader
    ReceiptStage stage = ReceiptStage::First;
    QString payMode;            // BillA.PayMode; "Card" selects the CARD folder, anything else CASH
    bool itemDiscount = false;  // a line has ItemDiscPerc above 0 (an FOC line included)
    bool billDiscount = false;  // BillDiscPerc above 0
    bool serviceCharge = false; // the service-charge-on-bill switch
    bool tax = false;           // the tax-on-bill switch
};

// "+ID-BD+SC-TA.FRF": the four features, "+" when present, and the extension.
QString ReceiptFeatureName(bool itemDiscount, bool billDiscount, bool serviceCharge, bool tax);

// The template's path inside the data folder, with "/" between names, for example
// "PRINT/A6/HEADER/DIRECT/CASH/-ID-BD-SC-TA.FRF" or "PRINT/RPT/PLAIN/-ID+BD-SC+TA.FRF".
QString ReceiptTemplatePath(const ReceiptChoice& choice);

// Roll printers: impact ("RPI"), thermal ("RPT"), mini ("MIN").
bool IsRollPaper(const QString& paperSize);

// The template folder of a paper size ("PRINT/A5", "PRINT/A6", "PRINT/RP", "PRINT/RPT", "PRINT/MIN");
// any other value counts as A6, like the sheet receipts.
QString PaperFolder(const QString& paperSize);

// The template folder of a printer type text that contains "(A5)", "(A6)", "(Impact)", "(Thermal)" or
// "(MiniPrinter)"; empty for any other text.
QString PrinterTypeFolder(const QString& printerType);

// Which final receipt settlement prints, if any: after a direct payment or with full bill on the complete
// one; otherwise on a roll printer the thank-you receipt; otherwise with reinsert the reinsert one.
// Returns false when no final receipt is printed.
bool FinalReceiptStage(bool directPayment, const QString& paperSize, bool reinsert, bool fullBill,
                       ReceiptStage* stage);

} // namespace vantorel
