#pragma once

#include <QString>

// The fixed messages of printing, built in one place.
namespace vantorel::PrintText {

inline QString PrintingStoppedCaption() {
    return QStringLiteral("  Printing stopped");
}

inline QString MissingPrintFiles() {
    return QStringLiteral(
        "Essential printing-files have been erased from your diskdrive!\n"
        "Please ask your vendor for a new set of printing-files (folder PRINT of the data folder).");
}

inline QString DamagedPrintFile(const QString& file, const QString& reason) {
    return QStringLiteral(
               "The printing-file %1 cannot be used (%2).\n"
               "Please ask your vendor for a new set of printing-files (folder PRINT of the data folder).")
        .arg(file, reason);
}

inline QString NoPrinterSet() {
    return QStringLiteral(
        "No printer has been set up for this print.\nPlease choose one in the printer setup.");
}

inline QString PrinterNotFound(const QString& printer) {
    return QStringLiteral("The printer \"%1\" cannot be found.\n"
                          "Please check that it is switched on and connected, and the printer setup.")
        .arg(printer);
}

inline QString PrinterRefused(const QString& printer, const QString& reason) {
    return QStringLiteral("The printer \"%1\" did not accept the print:\n%2").arg(printer, reason);
}

// Added below a printer message when an order slip could not be printed.
inline QString OrderSlipKept() {
    return QStringLiteral(
        "The order slip was not printed; its items are kept so that you can send it again.");
}

// Added below a printer message when a receipt could not be printed.
inline QString ReceiptNotPrinted() {
    return QStringLiteral("The receipt was not printed; the bill is stored and can be printed again.");
}

inline QString SecondCopy() {
    return QStringLiteral("Please insert an empty sheet in the printer and press [OK]     ");
}
inline QString SecondCopyCaption() {
    return QStringLiteral("  2nd Copy of Invoice");
}

} // namespace vantorel::PrintText
