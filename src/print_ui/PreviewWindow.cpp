#include "PreviewWindow.h"

#include "ReportPrinting.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vantorel {

namespace {

constexpr int kZooms[] = {50, 75, 100, 150, 200};

double screenDpi(const QWidget* w) {
    return w->logicalDpiX() > 0 ? w->logicalDpiX() : 96.0;
}

} // namespace

PreviewWindow::PreviewWindow(const ReportTemplate& tmpl, const ReportDataset& data,
                             const QDateTime& printedAt, QWidget* parent)
    : QDialog(parent), m_layout(tmpl, data, printedAt), m_pages(m_layout) {
    setWindowTitle(tmpl.title.isEmpty() ? QStringLiteral("Preview") : tmpl.title);
    auto* bar = new QHBoxLayout;
    m_zoomBox = new QComboBox(this);
    for (int z : kZooms)
        m_zoomBox->addItem(QStringLiteral("%1%").arg(z), z);
    m_zoomBox->setCurrentIndex(2);
    auto* print = new QPushButton(QStringLiteral("Print"), this);
    m_findEdit = new QLineEdit(this);
    m_findEdit->setPlaceholderText(QStringLiteral("Find"));
    auto* find = new QPushButton(QStringLiteral("Find"), this);
    auto* save = new QPushButton(QStringLiteral("Save"), this);
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    print->setObjectName(QStringLiteral("printButton"));
    find->setObjectName(QStringLiteral("findButton"));
    save->setObjectName(QStringLiteral("saveButton"));
    exit->setObjectName(QStringLiteral("exitButton"));
    m_zoomBox->setObjectName(QStringLiteral("zoomBox"));
    m_findEdit->setObjectName(QStringLiteral("findEdit"));
    bar->addWidget(new QLabel(QStringLiteral("Zoom"), this));
    bar->addWidget(m_zoomBox);
    bar->addWidget(print);
    bar->addSpacing(12);
    bar->addWidget(m_findEdit, 1);
    bar->addWidget(find);
    bar->addSpacing(12);
    bar->addWidget(save);
    bar->addWidget(exit);

    m_scroll = new QScrollArea(this);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_pagesWidget = new QWidget;
    m_pagesLayout = new QVBoxLayout(m_pagesWidget);
    m_pagesLayout->setSpacing(12);
    m_scroll->setWidget(m_pagesWidget);
    m_scroll->setWidgetResizable(true);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_status);

    connect(m_zoomBox, &QComboBox::currentIndexChanged, this, &PreviewWindow::zoomChosen);
    connect(print, &QPushButton::clicked, this, &PreviewWindow::printClicked);
    connect(find, &QPushButton::clicked, this, &PreviewWindow::findClicked);
    connect(m_findEdit, &QLineEdit::returnPressed, this, &PreviewWindow::findClicked);
    connect(save, &QPushButton::clicked, this, &PreviewWindow::saveClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    resize(800, 600);
    renderPages();
}

PreviewWindow::~PreviewWindow() = default;

int PreviewWindow::pageCount() const {
    return m_pages.pageCount();
}

void PreviewWindow::zoomChosen(int index) {
    setZoom(m_zoomBox->itemData(index).toInt());
}

void PreviewWindow::setZoom(int percent) {
    m_zoom = std::clamp(percent, 25, 400);
    const int index = m_zoomBox->findData(m_zoom);
    if (index >= 0 && index != m_zoomBox->currentIndex()) {
        m_zoomBox->setCurrentIndex(index); // comes back here through the box's signal
        return;
    }
    renderPages();
}

void PreviewWindow::renderPages() {
    for (QLabel* l : m_pageLabels)
        delete l;
    m_pageLabels.clear();
    const double dpi = screenDpi(this) * m_zoom / 100.0;
    for (int p = 0; p < m_pages.pageCount(); ++p) {
        QImage image = m_pages.pageImage(p, dpi);
        if (p == m_foundPage && m_foundLine >= 0) {
            // Mark the line found, as a highlighter would.
            QPainter painter(&image);
            const QRectF band = m_pages.lineRect(p, m_foundLine, dpi);
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            painter.fillRect(band, QColor(255, 240, 120));
        }
        auto* label = new QLabel(m_pagesWidget);
        label->setPixmap(QPixmap::fromImage(image));
        label->setAlignment(Qt::AlignHCenter);
        m_pagesLayout->addWidget(label);
        m_pageLabels.push_back(label);
    }
    m_status->setText(statusText());
}

QString PreviewWindow::statusText() const {
    QString text = QStringLiteral("%1 page(s)").arg(m_pages.pageCount());
    if (m_foundPage >= 0)
        text += QStringLiteral("   Found on page %1").arg(m_foundPage + 1);
    else if (!m_lastFind.isEmpty())
        text += QStringLiteral("   \"%1\" not found").arg(m_lastFind);
    return text;
}

bool PreviewWindow::findNext(const QString& text) {
    if (text.isEmpty())
        return false;
    int page = 0;
    int line = 0;
    if (text.compare(m_lastFind, Qt::CaseInsensitive) == 0 && m_foundPage >= 0) {
        page = m_foundPage;
        line = m_foundLine + 1;
    }
    m_lastFind = text;
    for (; page < m_pages.pageCount(); ++page, line = 0) {
        const auto& lines = m_pages.pageLines(page);
        for (; line < static_cast<int>(lines.size()); ++line) {
            if (lines[static_cast<size_t>(line)].text.contains(text, Qt::CaseInsensitive)) {
                m_foundPage = page;
                m_foundLine = line;
                renderPages();
                const QLabel* label = m_pageLabels[static_cast<size_t>(page)];
                const QRectF band = m_pages.lineRect(page, line, screenDpi(this) * m_zoom / 100.0);
                m_scroll->ensureVisible(label->x() + static_cast<int>(band.center().x()),
                                        label->y() + static_cast<int>(band.center().y()), 50, 100);
                return true;
            }
        }
    }
    m_foundPage = -1;
    m_foundLine = -1;
    renderPages();
    return false;
}

void PreviewWindow::findClicked() {
    findNext(m_findEdit->text());
}

bool PreviewWindow::exportTo(const QString& path, QString* error) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("txt"))
        bytes = m_layout.toText().toUtf8();
    else if (suffix == QLatin1String("csv"))
        bytes = m_layout.toCsv().toUtf8();
    else if (suffix == QLatin1String("pdf"))
        bytes = m_pages.toPdf(windowTitle());
    else {
        if (error)
            *error = QStringLiteral("Choose a name ending in .txt, .csv or .pdf.");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void PreviewWindow::saveClicked() {
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save report"), windowTitle(),
        QStringLiteral("PDF file (*.pdf);;Text file (*.txt);;CSV file, \";\" between fields (*.csv)"),
        &filter);
    if (path.isEmpty())
        return;
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += filter.contains(QLatin1String("*.txt"))   ? QStringLiteral(".txt")
                  : filter.contains(QLatin1String("*.csv")) ? QStringLiteral(".csv")
                                                            : QStringLiteral(".pdf");
    QString error;
    if (!exportTo(target, &error))
        QMessageBox::warning(this, QStringLiteral("  Save report"),
                             QStringLiteral("The report could not be saved as %1:\n%2").arg(target, error));
}

void PreviewWindow::printClicked() {
    QPrinter printer(QPrinter::HighResolution);
    if (!m_printerName.isEmpty())
        printer.setPrinterName(m_printerName);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_pages.print(printer))
        QMessageBox::warning(
            this, QStringLiteral("  Printing stopped"),
            QStringLiteral("The printer \"%1\" did not accept the print.").arg(printer.printerName()));
}

bool PreviewReport(const QString& dataFolder, const QString& relativePath, const ReportDataset& data,
                   const QDateTime& printedAt, Prompter& prompter, QWidget* parent,
                   const QString& printerName) {
    const auto tmpl = LoadReportTemplate(dataFolder, relativePath, prompter);
    if (!tmpl)
        return false;
    PreviewWindow preview(*tmpl, data, printedAt, parent);
    preview.setPrinterName(printerName);
    preview.exec();
    return true;
}

} // namespace vantorel
