#include "Printers.h"

#include <QPrinterInfo>

namespace vantorel {

namespace {

struct PrinterState {
    std::shared_ptr<const PrinterSource> source;
    QString currentDefault;
    bool defaultKnown = false;
};

PrinterState& state() {
    static PrinterState s;
    if (!s.source)
        s.source = std::make_shared<CupsPrinterSource>();
    return s;
}

} // namespace

QStringList CupsPrinterSource::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString CupsPrinterSource::systemDefaultPrinter() const {
    return QPrinterInfo::defaultPrinterName();
}

void UsePrinterSource(std::shared_ptr<const PrinterSource> source) {
    PrinterState& s = state();
    s.source = source ? std::move(source) : std::make_shared<CupsPrinterSource>();
    s.currentDefault.clear();
    s.defaultKnown = false;
}

QStringList PrinterNames() {
    return state().source->printerNames();
}

QString FindPrinter(const QString& name) {
    if (name.isEmpty())
        return {};
    for (const QString& installed : PrinterNames()) {
        if (installed.compare(name, Qt::CaseInsensitive) == 0)
            return installed;
    }
    return {};
}

QString DefaultPrinterName() {
    PrinterState& s = state();
    if (!s.defaultKnown) {
        s.currentDefault = s.source->systemDefaultPrinter();
        s.defaultKnown = true;
    }
    return s.currentDefault;
}

bool SetWindowsDefaultPrinter(const QString& name) {
    const QString installed = FindPrinter(name);
    if (installed.isEmpty())
        return false;
    PrinterState& s = state();
    s.currentDefault = installed;
    s.defaultKnown = true;
    return true;
}

} // namespace vantorel
