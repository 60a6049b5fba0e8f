#pragma once

#include "PrintSink.h"

#include <QSet>
#include <functional>
#include <vector>

namespace vantorel::test {

// A print system with named printers that keeps every job it is given; a printer can be made to refuse.
class RecordingPrintSink : public PrintSink {
public:
    struct Job {
        QString printer;
        QString title;
        QByteArray document;
        Format format;
    };

    QStringList printers;
    QString defaultName;
    QSet<QString> refusing;         // printers that answer every job with an error
    std::function<void()> onSubmit; // runs while a job is being taken, before it is accepted
    std::vector<Job> jobs;

    bool printerExists(const QString& name) override { return printers.contains(name); }
    QString defaultPrinter() override { return defaultName; }
    QStringList printerNames() override { return printers; }
    PrintJobResult submit(const QString& printer, const QString& title, const QByteArray& document,
                          Format format) override {
        if (onSubmit)
            onSubmit();
        if (refusing.contains(printer))
            return PrintJobResult{false, QStringLiteral("The printer is out of paper."), 0};
        jobs.push_back({printer, title, document, format});
        return PrintJobResult{true, QString(), static_cast<int>(jobs.size())};
    }
};

} // namespace vantorel::test
