#pragma once

#include "PagedReport.h"
#include "ReportLayout.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QVBoxLayout;

namespace vantorel {

class Prompter;
class ReportDataset;

// The report preview: the pages as they will print, with zoom, print (on a chosen printer), find, save as
// text, CSV (";" between fields) or PDF, and exit.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(const ReportTemplate& tmpl, const ReportDataset& data, const QDateTime& printedAt,
                  QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // The printer the print dialog offers first (the program's current printer).
    void setPrinterName(const QString& name) { m_printerName = name; }

    int pageCount() const;
    const PagedReport& pages() const { return m_pages; }
    // Zoom in percent of the paper's real size on the screen.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    // Finds the next line holding the text (without regard to case) after the last one found and shows it.
    // Returns false when no further line holds it.
    bool findNext(const QString& text);
    // The page (from 0) and line of the last line found; -1 when none.
    int foundPage() const { return m_foundPage; }
    int foundLine() const { return m_foundLine; }
    // Writes the report to a file: ".txt", ".csv" or ".pdf" by the name's ending. The reason when it fails.
    bool exportTo(const QString& path, QString* error = nullptr);
    QString statusText() const;

private:
    void renderPages();
    void printClicked();
    void saveClicked();
    void findClicked();
    void zoomChosen(int index);

    ReportLayout m_layout;
    PagedReport m_pages;
    QString m_printerName;
    int m_zoom = 100;
    int m_foundPage = -1;
    int m_foundLine = -1;
    QString m_lastFind;

    QComboBox* m_zoomBox = nullptr;
    QLineEdit* m_findEdit = nullptr;
    QLabel* m_status = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_pagesWidget = nullptr;
    QVBoxLayout* m_pagesLayout = nullptr;
    std::vector<QLabel*> m_pageLabels;
};

// Loads a template from the data folder and shows it over the dataset in the preview (modal). A missing
// template shows the missing-files message and nothing else.
bool PreviewReport(const QString& dataFolder, const QString& relativePath, const ReportDataset& data,
                   const QDateTime& printedAt, Prompter& prompter, QWidget* parent,
                   const QString& printerName = QString());

} // namespace vantorel
