#pragma once

#include "IniFile.h"
#include "Money.h"

#include <QString>

namespace vantorel {

// This workstation's settings file "Vantorel.ini" in the data folder. Every value is read and written key
// by key, the file being opened for each access; a missing file or key reads as empty, with the
// substitutes below.
class WorkstationIni {
public:
    static inline const QString FileName = QStringLiteral("Vantorel.ini");
    static inline const QString CashSection = QStringLiteral("DO NOT CHANGE THIS SETTING");
    static inline const QString PrintersSection = QStringLiteral("Printers");

    // dataFolder ends with "/".
    explicit WorkstationIni(const QString& dataFolder) : m_ini(dataFolder + FileName) {}

    const QString& path() const { return m_ini.path(); }

    // "SUMINI": the cash carried into the next business day as text; "0.00" when missing or empty.
    QString carriedCashText() const;
    // The same as an amount; 0 for a text that is not an amount.
    Money carriedCash() const;
    void setCarriedCash(Money amount) const; // written as plain text with two decimals
    // "PROGINI": "1" after the startup cash was typed on the main screen, else "0". Written only.
    void setStartupCashTyped(bool typed) const;

    // "Kitchen" and "Bar": line printer names; empty reads as "None".
    QString kitchenPrinter() const;
    QString barPrinter() const;
    void setKitchenPrinter(const QString& name) const;
    void setBarPrinter(const QString& name) const;
    // "KType" and "BType": the kind of each line printer, or "None".
    QString kitchenPrinterType() const;
    QString barPrinterType() const;
    void setKitchenPrinterType(const QString& type) const;
    void setBarPrinterType(const QString& type) const;
    // Line printers are configured when the kitchen or the bar printer is not "None".
    bool linePrintersConfigured() const;

    // "Invoice" and "IType": the receipt printer and the receipt form as chosen in the printer setup.
    QString invoicePrinter() const;
    QString invoicePrinterType() const;
    void setInvoicePrinter(const QString& name) const;
    void setInvoicePrinterType(const QString& type) const;

    // "CopyIvoice": the kitchen and bar totals also go to the receipt printer ("Yes" / "No").
    bool copyTotalsToInvoicePrinter() const;
    void setCopyTotalsToInvoicePrinter(bool on) const;

private:
    QString printers(const QString& key) const { return m_ini.read(PrintersSection, key); }
    void setPrinters(const QString& key, const QString& value) const {
        m_ini.write(PrintersSection, key, value);
    }

    IniFile m_ini;
};

} // namespace vantorel
