#include "ReceiptTemplatePath.h"

namespace vantorel {

QString ReceiptFeatureName(bool itemDiscount, bool billDiscount, bool serviceCharge, bool tax) {
    auto flag = [](bool on, const char* name) { return QLatin1Char(on ? '+' : '-') + QLatin1String(name); };
    return flag(itemDiscount, "ID") + flag(billDiscount, "BD") + flag(serviceCharge, "SC") + flag(tax, "TA") +
           QStringLiteral(".FRF");
}

bool IsRollPaper(const QString& paperSize) {
    const QString p = paperSize.trimmed().toUpper();
    return p == QLatin1String("RPI") || p == QLatin1String("RPT") || p == QLatin1String("MIN");
}

QString PaperFolder(const QString& paperSize) {
    const QString p = paperSize.trimmed().toUpper();
    if (p == QLatin1String("A5"))
        return QStringLiteral("PRINT/A5");
    if (p == QLatin1String("RPI"))
        return QStringLiteral("PRINT/RP");
    if (p == QLatin1String("RPT"))
        return QStringLiteral("PRINT/RPT");
    if (p == QLatin1String("MIN"))
        return QStringLiteral("PRINT/MIN");
    return QStringLiteral("PRINT/A6");
}

QString PrinterTypeFolder(const QString& printerType) {
    static const std::pair<const char*, const char*> kinds[] = {
        {"(A5)", "PRINT/A5"},       {"(A6)", "PRINT/A6"},           {"(Impact)", "PRINT/RP"},
        {"(Thermal)", "PRINT/RPT"}, {"(MiniPrinter)", "PRINT/MIN"},
    };
    for (const auto& [marker, folder] : kinds) {
        if (printerType.contains(QLatin1String(marker), Qt::CaseInsensitive))
            return QString::fromLatin1(folder);
    }
    return QString();
}

QString ReceiptTemplatePath(const ReceiptChoice& c) {
    const QString payment = c.payMode.trimmed().compare(QLatin1String("Card"), Qt::CaseInsensitive) == 0
                                ? QStringLiteral("CARD/")
                                : QStringLiteral("CASH/");
    QString folder = PaperFolder(c.paperSize) + QLatin1Char('/');
    if (IsRollPaper(c.paperSize)) {
        folder +=
            c.stage == ReceiptStage::First ? QStringLiteral("PLAIN/") : payment + QStringLiteral("THANKS/");
    } else {
        if (c.header)
            folder += QStringLiteral("HEADER/");
        switch (c.stage) {
        case ReceiptStage::First:
            folder += QStringLiteral("FIRST/");
            break;
        case ReceiptStage::Final:
            folder += QStringLiteral("FINAL/") + payment;
            break;
        case ReceiptStage::Direct:
            folder += QStringLiteral("DIRECT/") + payment;
            break;
        }
    }
    return folder + ReceiptFeatureName(c.itemDiscount, c.billDiscount, c.serviceCharge, c.tax);
}

bool FinalReceiptStage(bool directPayment, const QString& paperSize, bool reinsert, bool fullBill,
                       ReceiptStage* stage) {
    if (directPayment || fullBill) {
        *stage = ReceiptStage::Direct;
        return true;
    }
    if (IsRollPaper(paperSize) || reinsert) {
        *stage = ReceiptStage::Final;
        return true;
    }
    return false;
}

} // namespace vantorel
