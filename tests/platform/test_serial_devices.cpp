#include "ScriptedPrompter.h"
#include "SerialDevices.h"

#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

using namespace vantorel;

namespace {

// A pseudo-terminal pair: the program writes to the device path, the test reads what arrived.
class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            qFatal("openpty failed");
        m_path = QString::fromLocal8Bit(name);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() {
        ::close(m_master);
        ::close(m_slave);
    }
    const QString& path() const { return m_path; }

    // Everything that arrived, waiting until nothing more comes for a moment.
    QByteArray readAll() {
        QByteArray data;
        pollfd p{m_master, POLLIN, 0};
        while (::poll(&p, 1, data.isEmpty() ? 2000 : 200) > 0) {
            char buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            data.append(buffer, n);
        }
        return data;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

} // namespace

class TestSerialDevices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bytesOnTheWire_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("extra"); // "-": none
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cash and change") << "20.00"
                                         << "5.00" << QByteArray("Cash   20.00\r\nChange  5.00");
        QTest::newRow("change longer than cash") << "5.00"
                                                 << "15.00" << QByteArray("Cash   5.00\r\nChange 15.00");
        QTest::newRow("amount due") << "51.20"
                                    << "-" << QByteArray("51.20\r\n           Thank you");
        QTest::newRow("card") << "125.00"
                              << "Credit Card" << QByteArray("125.00\r\n         Credit Card");
        QTest::newRow("clear display") << QStringLiteral("\x1b@") << "-" << QByteArray("\x1b\x40");
        QTest::newRow("drawer string unchanged")
            << QString(39, QLatin1Char('0')) << "-" << QByteArray(39, '0');
        QTest::newRow("other drawer command is a line") << "OPEN"
                                                        << "-" << QByteArray("OPEN\r\n           Thank you");
        QTest::newRow("accented text in the display's set")
            << "Café"
            << "-" << QByteArray("Caf\xe9\r\n           Thank you");
    }
    void bytesOnTheWire() {
        QFETCH(QString, text);
        QFETCH(QString, extra);
        QFETCH(QByteArray, bytes);
        PtyPair pty;
        test::ScriptedPrompter prompter;
        SerialDevices devices(prompter);
        const std::optional<QString> e =
            extra == QLatin1String("-") ? std::nullopt : std::optional<QString>(extra);
        QVERIFY(devices.writeToCommPort(pty.path(), text, e));
        QCOMPARE(pty.readAll(), bytes);
        QVERIFY2(prompter.messages.empty(), qPrintable(prompter.lastMessage()));
    }

    void poleAndDrawerHelpers() {
        PtyPair pole;
        PtyPair drawer;
        test::ScriptedPrompter prompter;
        SerialDevices devices(prompter);
        QVERIFY(devices.clearPole(pole.path()));
        QCOMPARE(pole.readAll(), QByteArray("\x1b\x40"));
        QVERIFY(devices.openCashDrawer(drawer.path(), SerialDevices::drawerString()));
        QCOMPARE(drawer.readAll(), QByteArray(39, '0'));
    }

    void noPortOpensNothing_data() {
        QTest::addColumn<QString>("port");
        QTest::newRow("None") << "None";
        QTest::newRow("none") << "none";
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "  ";
    }
    void noPortOpensNothing() {
        QFETCH(QString, port);
        test::ScriptedPrompter prompter;
        SerialDevices devices(prompter);
        QVERIFY(!devices.writeToCommPort(port, QStringLiteral("10.00")));
        QVERIFY(!devices.clearPole(port));
        // Nothing was tried, so nothing failed.
        QVERIFY(prompter.messages.empty());
        QVERIFY(devices.failedPorts().isEmpty());
    }

    void aPortThatFailsIsReportedOnce() {
        const QString broken = QStringLiteral("/dev/ttyVantorelMissing9");
        PtyPair working;
        test::ScriptedPrompter prompter;
        SerialDevices devices(prompter);
        QVERIFY(!devices.writeToCommPort(broken, QStringLiteral("10.00")));
        QCOMPARE(prompter.messages.size(), size_t(1));
        QCOMPARE(prompter.messages[0].text,
                 QStringLiteral("The program cannot open your serial port "
                                "/dev/ttyVantorelMissing9 !  \rPlease contact your vendor."));
        QCOMPARE(prompter.messages[0].caption, QStringLiteral("  Com port problem"));
        QVERIFY(devices.hasFailed(broken));

        QVERIFY(!devices.writeToCommPort(broken, QStringLiteral("20.00"), QStringLiteral("5.00")));
        QVERIFY(!devices.openCashDrawer(broken, SerialDevices::drawerString()));
        QCOMPARE(prompter.messages.size(), size_t(1));

        // Other ports go on working.
        QVERIFY(devices.clearPole(working.path()));
        QCOMPARE(working.readAll(), QByteArray("\x1b\x40"));

        // A new billing screen tries the port again.
        SerialDevices again(prompter);
        QVERIFY(!again.clearPole(broken));
        QCOMPARE(prompter.messages.size(), size_t(2));
    }

    void portNames_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("device");
        QTest::newRow("device path as typed") << "/dev/ttyUSB0"
                                              << "/dev/ttyUSB0";
        QTest::newRow("COM1") << "COM1"
                              << "/dev/ttyS0";
        QTest::newRow("com3 with colon") << "com3:"
                                         << "/dev/ttyS2";
        QTest::newRow("name without folder") << "ttyACM0"
                                             << "ttyACM0";
    }
    void portNames() {
        QFETCH(QString, setting);
        QFETCH(QString, device);
        QCOMPARE(SerialDevices::devicePath(setting), device);
    }
};

QTEST_GUILESS_MAIN(TestSerialDevices)
#include "test_serial_devices.moc"
