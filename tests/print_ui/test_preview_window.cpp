#include "Money.h"
#include "PreviewWindow.h"
#include "ReportDataset.h"
#include "ScriptedPrompter.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vantorel;

namespace {

ReportTemplate priceList() {
    return *ParseTemplate(QStringLiteral("title Price list\npage A6\n"
                                         "[PageHeader]\ntext Item{>}Price\nrule\n"
                                         "[Detail]\ntext {Item}{>}{Price:money}\n"
                                         "[PageFooter]\nright Page {#page}\n"));
}

ReportDataset items(int count) {
    ReportDataset d({QStringLiteral("Item"), QStringLiteral("Price")});
    for (int i = 1; i <= count; ++i)
        d.appendRow({QStringLiteral("Dish %1").arg(i), QVariant::fromValue(Money::fromCents(100 * i + 50))});
    return d;
}

const QDateTime kAt(QDate(2026, 3, 14), QTime(21, 15));

} // namespace

class TestPreviewWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsPagesAndZooms() {
        PreviewWindow w(priceList(), items(60), kAt);
        w.show();
        QVERIFY(w.pageCount() >= 2);
        const auto firstPage = [&] {
            for (QLabel* l : w.findChildren<QLabel*>()) {
                if (!l->pixmap().isNull())
                    return l->pixmap().size();
            }
            return QSize();
        };
        const QSize normal = firstPage();
        QVERIFY(normal.width() > 0);
        w.findChild<QComboBox*>(QStringLiteral("zoomBox"))->setCurrentIndex(4); // 200 %
        QCOMPARE(w.zoom(), 200);
        QVERIFY(qAbs(firstPage().width() - 2 * normal.width()) <= 2);
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("status"))
                    ->text()
                    .startsWith(QStringLiteral("%1 page(s)").arg(w.pageCount())));
    }

    void findsLineAfterLine() {
        PreviewWindow w(priceList(), items(60), kAt);
        w.show();
        QLineEdit* edit = w.findChild<QLineEdit*>(QStringLiteral("findEdit"));
        QTest::keyClicks(edit, QStringLiteral("dish 5"));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("findButton")), Qt::LeftButton);
        QCOMPARE(w.foundPage(), 0);
        QVERIFY(w.pages().pageLines(w.foundPage())[size_t(w.foundLine())].text.startsWith(
            QStringLiteral("Dish 5")));
        // "Dish 50" and later lines lie on a later page.
        QVERIFY(w.findNext(QStringLiteral("dish 5")));
        QVERIFY(w.findNext(QStringLiteral("DISH 5")));
        QVERIFY(w.foundPage() >= 1);
        QVERIFY(
            w.findChild<QLabel*>(QStringLiteral("status"))->text().contains(QStringLiteral("Found on page")));
        QVERIFY(!w.findNext(QStringLiteral("Lobster")));
        QVERIFY(w.findChild<QLabel*>(QStringLiteral("status"))
                    ->text()
                    .contains(QStringLiteral("\"Lobster\" not found")));
    }

    void exportsTextCsvAndPdf() {
        PreviewWindow w(priceList(), items(3), kAt);
        QTemporaryDir dir;
        QVERIFY(w.exportTo(dir.filePath(QStringLiteral("list.txt"))));
        QVERIFY(w.exportTo(dir.filePath(QStringLiteral("list.csv"))));
        QVERIFY(w.exportTo(dir.filePath(QStringLiteral("list.pdf"))));
        QString error;
        QVERIFY(!w.exportTo(dir.filePath(QStringLiteral("list.doc")), &error));
        QVERIFY(error.contains(QStringLiteral(".txt, .csv or .pdf")));
        QVERIFY(!w.exportTo(dir.filePath(QStringLiteral("missing/list.txt")), &error));

        auto read = [&](const char* name) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray text = read("list.txt");
        QVERIFY(text.startsWith("Item"));
        QVERIFY(text.contains("Dish 3                                  3.50\n"));
        QCOMPARE(read("list.csv"),
                 QByteArray("Item;Price\r\nDish 1;1.50\r\nDish 2;2.50\r\nDish 3;3.50\r\nPage;1\r\n"));
        QVERIFY(read("list.pdf").startsWith("%PDF"));
    }

    void exitCloses() {
        PreviewWindow w(priceList(), items(3), kAt);
        w.show();
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("exitButton")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void missingTemplateShowsNoPreview() {
        QTemporaryDir dir;
        test::ScriptedPrompter prompter;
        QVERIFY(!PreviewReport(dir.path(), QStringLiteral("PRINT/REPORTS/TR01.FRF"), items(1), kAt, prompter,
                               nullptr));
        QCOMPARE(prompter.messages.size(), size_t(1));
        QCOMPARE(prompter.messages[0].caption, QStringLiteral("  Printing stopped"));
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "test_preview_window.moc"
