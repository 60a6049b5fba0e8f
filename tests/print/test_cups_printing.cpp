#include "CupsPrintSink.h"
#include "ReceiptFixture.h"
#include "ReceiptPrinting.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vantorel;

namespace {

int freePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(s);
    return port;
}

bool accepts(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

bool writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

// Waits for a file a print queue writes; empty when none came.
QByteArray waitForOutput(const QString& path) {
    for (int i = 0; i < 300; ++i) {
        QFile f(path);
        if (f.exists() && f.open(QIODevice::ReadOnly))
            return f.readAll();
        QThread::msleep(50);
    }
    return QByteArray();
}

} // namespace

// Prints through a private CUPS server: cupsd started in a temporary folder on a free port of the loopback
// address, with queues whose backend writes each job to a file of the test.
class TestCupsPrinting : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_skip;
    QString m_out;

    bool lpadmin(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral("lpadmin"), args);
        return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QString startServer() {
        const QString cupsd =
            QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
        if (cupsd.isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("lpadmin"), {QStringLiteral("/usr/sbin")})
                .isEmpty())
            return QStringLiteral("cupsd or lpadmin is not installed (packages cups, cups-client)");
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        const QString root = m_dir.path();
        for (const char* sub : {"spool", "tmp", "cache", "state", "log", "out", "bin/backend", "ppd"})
            QDir(root).mkpath(QString::fromLatin1(sub));
        for (const char* sub : {"filter", "daemon", "cgi-bin", "driver", "monitor", "notifier"})
            QFile::link(QStringLiteral("/usr/lib/cups/") + QLatin1String(sub),
                        root + QStringLiteral("/bin/") + QLatin1String(sub));
        const QString backend = root + QStringLiteral("/bin/backend/capture");
        if (!writeFile(backend,
                       "#!/bin/sh\n"
                       "# capture:/path  writes the job's document to that file\n"
                       "[ $# -eq 0 ] && { echo 'direct capture \"Unknown\" \"Capture\"'; exit 0; }\n"
                       "out=\"${DEVICE_URI#capture:}\"\n"
                       "if [ -n \"$6\" ]; then cat \"$6\" > \"$out.part\"; else cat > \"$out.part\"; fi\n"
                       "mv \"$out.part\" \"$out\"\n"))
            return QStringLiteral("cannot write the backend");
        QFile::setPermissions(backend, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther);

        const int port = freePort();
        if (port == 0)
            return QStringLiteral("no free port on 127.0.0.1");
        const QByteArray allowAll = "  Order allow,deny\n  Allow all\n";
        writeFile(root + QStringLiteral("/cupsd.conf"), "Listen 127.0.0.1:" + QByteArray::number(port) +
                                                            "\nBrowsing Off\nDefaultAuthType None\n"
                                                            "LogLevel warn\n<Location />\n" +
                                                            allowAll + "</Location>\n<Location /admin>\n" +
                                                            allowAll +
                                                            "</Location>\n<Policy default>\n  <Limit All>\n" +
                                                            allowAll + "  </Limit>\n</Policy>\n");
        QByteArray files = "ServerRoot " + root.toUtf8() + "\nRequestRoot " + root.toUtf8() +
                           "/spool\nTempDir " + root.toUtf8() + "/tmp\nCacheDir " + root.toUtf8() +
                           "/cache\nStateDir " + root.toUtf8() + "/state\nErrorLog " + root.toUtf8() +
                           "/log/error_log\nAccessLog " + root.toUtf8() + "/log/access_log\nPageLog " +
                           root.toUtf8() + "/log/page_log\nServerBin " + root.toUtf8() +
                           "/bin\nDataDir /usr/share/cups\n";
        if (::geteuid() == 0) {
            // The server refuses to run its backends as root; it hands them to "lp", which needs the folders.
            const passwd* lp = ::getpwnam("lp");
            if (!lp)
                return QStringLiteral("running as root without an \"lp\" user for the print server");
            files += "User lp\nGroup lp\n";
            QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther);
            for (const char* sub : {"spool", "tmp", "cache", "state", "log", "out", "ppd"}) {
                const QByteArray path = QFile::encodeName(root + QLatin1Char('/') + QLatin1String(sub));
                if (::chown(path.constData(), lp->pw_uid, lp->pw_gid) != 0)
                    return QStringLiteral("cannot hand the server's folders to \"lp\"");
            }
        }
        writeFile(root + QStringLiteral("/cups-files.conf"), files);

        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(cupsd,
                      {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
                       QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
        if (!m_cupsd.waitForStarted(5000))
            return QStringLiteral("cupsd does not start");
        for (int i = 0; i < 200 && !accepts(port); ++i) {
            if (m_cupsd.state() != QProcess::Running)
                return QStringLiteral("cupsd stopped: ") + QString::fromLocal8Bit(m_cupsd.readAll());
            QThread::msleep(50);
        }
        if (!accepts(port))
            return QStringLiteral("cupsd does not answer on port %1").arg(port);
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(port));

        m_out = root + QStringLiteral("/out/");
        if (!lpadmin({QStringLiteral("-p"), QStringLiteral("Office"), QStringLiteral("-v"),
                      QStringLiteral("capture:") + m_out + QStringLiteral("office"), QStringLiteral("-E")}) ||
            !lpadmin({QStringLiteral("-p"), QStringLiteral("Thermal"), QStringLiteral("-v"),
                      QStringLiteral("capture:") + m_out + QStringLiteral("thermal"),
                      QStringLiteral("-E")}) ||
            !lpadmin({QStringLiteral("-d"), QStringLiteral("Office")}))
            return QStringLiteral("lpadmin cannot add the test queues");
        return QString();
    }

private Q_SLOTS:
    void initTestCase() { m_skip = startServer(); }

    void cleanupTestCase() {
        if (m_cupsd.state() == QProcess::Running) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(10000))
                m_cupsd.kill();
        }
    }

    void queuesAreFound() {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No private CUPS server: ") + m_skip));
        CupsPrintSink& cups = CupsPrintSink::instance();
        QVERIFY(cups.printerExists(QStringLiteral("Office")));
        QVERIFY(!cups.printerExists(QStringLiteral("Kitchen")));
        QCOMPARE(cups.defaultPrinter(), QStringLiteral("Office"));
        QVERIFY(cups.printerNames().contains(QStringLiteral("Thermal")));
    }

    void sheetReceiptArrivesAsPdf() {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No private CUPS server: ") + m_skip));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed (package poppler-utils)");
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("PaperSize"), QStringLiteral("A5")},
                      {QStringLiteral("PrintHeader"), true},
                      {QStringLiteral("Printer"), QStringLiteral("Office")}});
        f.addBill({{QStringLiteral("BillABillA"), QStringLiteral("26000777")},
                   {QStringLiteral("Table"), QStringLiteral("12")},
                   {QStringLiteral("Waiter"), QStringLiteral("Anna")},
                   {QStringLiteral("PayMode"), QStringLiteral("Cash")},
                   {QStringLiteral("NetPayment"), QStringLiteral("1,234.50")},
                   {QStringLiteral("PayAmount"), QStringLiteral("1,300.00")},
                   {QStringLiteral("Change"), QStringLiteral("65.50")}},
                  QJsonArray{QJsonArray{"House Red Bottle", 50, "24.69", "1,234.50", 0, "1,234.50"}});
        PrintServices s{*f.db, f.state, f.clock, f.prompter, CupsPrintSink::instance()};
        QCOMPARE(PrintBill(s, QStringLiteral("26000777"), ReceiptStage::Direct), PrintOutcome::Printed);
        QVERIFY2(f.prompter.messages.empty(), qPrintable(f.prompter.lastMessage()));

        const QByteArray pdf = waitForOutput(m_out + QStringLiteral("office"));
        QVERIFY2(pdf.startsWith("%PDF"), "the queue did not receive a PDF");
        QProcess p;
        p.start(pdftotext,
                {QStringLiteral("-layout"), m_out + QStringLiteral("office"), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("26000777")), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("TOTAL +1,234.50"))), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Harbour Café")));
    }

    void rollReceiptArrivesAsPrinterCommands() {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No private CUPS server: ") + m_skip));
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("PaperSize"), QStringLiteral("RPT")},
                      {QStringLiteral("Printer"), QStringLiteral("Thermal")}});
        f.addBill({{QStringLiteral("BillABillA"), QStringLiteral("26000778")},
                   {QStringLiteral("Table"), QStringLiteral("04")},
                   {QStringLiteral("Waiter"), QStringLiteral("Tom")},
                   {QStringLiteral("PayMode"), QStringLiteral("Pend")},
                   {QStringLiteral("NetPayment"), QStringLiteral("6.90")}},
                  QJsonArray{QJsonArray{"Crème brûlée", 1, "6.90", "6.90", 0, "6.90"}});
        PrintServices s{*f.db, f.state, f.clock, f.prompter, CupsPrintSink::instance()};
        QCOMPARE(PrintBill1(s, QStringLiteral("26000778")), PrintOutcome::Printed);
        const QByteArray job = waitForOutput(m_out + QStringLiteral("thermal"));
        QVERIFY2(job.startsWith("\x1b@\x1bt\x10"), "the job does not start by resetting the printer");
        QVERIFY(job.endsWith("\x1dVB\x04"));
        QVERIFY(job.contains("26000778"));
        QVERIFY(job.contains("Cr\xe8me br\xfbl\xe9\x65"));
    }

    void unknownQueueFailsLoudly() {
        if (!m_skip.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No private CUPS server: ") + m_skip));
        test::ReceiptFixture f;
        f.setUtility({{QStringLiteral("Printer"), QStringLiteral("Upstairs")}});
        f.addBill({{QStringLiteral("BillABillA"), QStringLiteral("26000779")},
                   {QStringLiteral("Table"), QStringLiteral("04")}},
                  QJsonArray{QJsonArray{"Tea", 1, "2.80", "2.80", 0, "2.80"}});
        PrintServices s{*f.db, f.state, f.clock, f.prompter, CupsPrintSink::instance()};
        QCOMPARE(PrintBill1(s, QStringLiteral("26000779")), PrintOutcome::PrinterFailed);
        QVERIFY(f.prompter.lastMessage().contains(QStringLiteral("\"Upstairs\" cannot be found")));
    }
};

QTEST_MAIN(TestCupsPrinting)
#include "test_cups_printing.moc"
