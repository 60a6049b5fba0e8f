#pragma once

#include "PrintSink.h"

#include <QDir>
#include <QFile>

namespace vantorel {

// A printer that writes every job into a folder (pages as PDF, receipt-printer jobs as they are), so
// that screens can be tried without a real printer.
class FolderPrintSink final : public PrintSink {
public:
    // Numbering goes on after the files the folder holds already.
    explicit FolderPrintSink(const QString& folder) : m_folder(folder) {
        QDir().mkpath(folder);
        m_jobs = static_cast<int>(QDir(folder).entryList(QDir::Files).size());
    }

    bool printerExists(const QString&) override { return true; }
    QString defaultPrinter() override { return QStringLiteral("Folder"); }
    QStringList printerNames() override { return {QStringLiteral("Folder")}; }
    PrintJobResult submit(const QString&, const QString& title, const QByteArray& document,
                          Format format) override {
        ++m_jobs;
        QString name = title;
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        const QString path = QDir(m_folder).filePath(
            QStringLiteral("%1-%2.%3")
                .arg(m_jobs, 3, 10, QLatin1Char('0'))
                .arg(name, format == Format::Pdf ? QStringLiteral("pdf") : QStringLiteral("txt")));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size())
            return PrintJobResult{false, QStringLiteral("Cannot write %1.").arg(path), 0};
        return PrintJobResult{true, QString(), m_jobs};
    }

private:
    QString m_folder;
    int m_jobs = 0;
};

} // namespace vantorel
