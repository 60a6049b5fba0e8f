#include "WorkstationIni.h"

namespace vantorel {

namespace {

const QString None = QStringLiteral("None");

QString noneWhenEmpty(const QString& value) {
    return value.isEmpty() ? None : value;
}

} // namespace

QString WorkstationIni::carriedCashText() const {
    const QString value = m_ini.read(CashSection, QStringLiteral("SUMINI"));
    return value.isEmpty() ? QStringLiteral("0.00") : value;
}

Money WorkstationIni::carriedCash() const {
    return Money::parse(carriedCashText()).value_or(Money());
}

void WorkstationIni::setCarriedCash(Money amount) const {
    m_ini.write(CashSection, QStringLiteral("SUMINI"), amount.toPlainString(2));
}

void WorkstationIni::setStartupCashTyped(bool typed) const {
    m_ini.write(CashSection, QStringLiteral("PROGINI"), typed ? QStringLiteral("1") : QStringLiteral("0"));
}

QString WorkstationIni::kitchenPrinter() const {
    return noneWhenEmpty(printers(QStringLiteral("Kitchen")));
}
QString WorkstationIni::barPrinter() const {
    return noneWhenEmpty(printers(QStringLiteral("Bar")));
}
void WorkstationIni::setKitchenPrinter(const QString& name) const {
    setPrinters(QStringLiteral("Kitchen"), name);
}
void WorkstationIni::setBarPrinter(const QString& name) const {
    setPrinters(QStringLiteral("Bar"), name);
}

QString WorkstationIni::kitchenPrinterType() const {
    return printers(QStringLiteral("KType"));
}
QString WorkstationIni::barPrinterType() const {
    return printers(QStringLiteral("BType"));
}
void WorkstationIni::setKitchenPrinterType(const QString& type) const {
    setPrinters(QStringLiteral("KType"), type);
}
void WorkstationIni::setBarPrinterType(const QString& type) const {
    setPrinters(QStringLiteral("BType"), type);
}

bool WorkstationIni::linePrintersConfigured() const {
    return kitchenPrinter().compare(None, Qt::CaseInsensitive) != 0 ||
           barPrinter().compare(None, Qt::CaseInsensitive) != 0;
}

QString WorkstationIni::invoicePrinter() const {
    return printers(QStringLiteral("Invoice"));
}
QString WorkstationIni::invoicePrinterType() const {
    return printers(QStringLiteral("IType"));
}
void WorkstationIni::setInvoicePrinter(const QString& name) const {
    setPrinters(QStringLiteral("Invoice"), name);
}
void WorkstationIni::setInvoicePrinterType(const QString& type) const {
    setPrinters(QStringLiteral("IType"), type);
}

bool WorkstationIni::copyTotalsToInvoicePrinter() const {
    return printers(QStringLiteral("CopyIvoice")).compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
}

void WorkstationIni::setCopyTotalsToInvoicePrinter(bool on) const {
    setPrinters(QStringLiteral("CopyIvoice"), on ? QStringLiteral("Yes") : QStringLiteral("No"));
}

} // namespace vantorel
