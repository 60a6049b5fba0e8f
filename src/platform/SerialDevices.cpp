#include "SerialDevices.h"

#include "Cp1252.h"
#include "Prompter.h"

#include <QRegularExpression>
#include <QSerialPort>

namespace vantorel {

namespace {

const QString kPortCaption = QStringLiteral("  Com port problem");
const QString kDrawerCaption = QStringLiteral("  Cash Drawer");

QString cannotOpenText(const QString& port) {
    return QStringLiteral("The program cannot open your serial port ") + port +
           QStringLiteral(" !  \rPlease contact your vendor.");
}

QString cannotSetUpText(const QString& port) {
    return QStringLiteral("Vantorel cannot setup your serial port ") + port +
           QStringLiteral(" !  \rPlease contact your vendor.");
}

QString drawerFailedText() {
    return QStringLiteral("The computer system cannot open the Cash Drawer.\n"
                          "Please check the connection between the cash drawer and the computer\n"
                          "and if that does not solve the problem, contact your supplier.");
}

constexpr int kTimeoutMs = 1000;

bool writeAll(QSerialPort& serial, const QString& text) {
    const QByteArray bytes = EncodeCp1252(text);
    if (serial.write(bytes) != bytes.size())
        return false;
    while (serial.bytesToWrite() > 0) {
        if (!serial.waitForBytesWritten(kTimeoutMs))
            return false;
    }
    return true;
}

} // namespace

QString SerialDevices::devicePath(const QString& port) {
    static const QRegularExpression comName(QStringLiteral("^COM([1-9][0-9]*):?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = port.trimmed();
    const QRegularExpressionMatch m = comName.match(trimmed);
    if (m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toInt() - 1);
    return trimmed;
}

bool SerialDevices::hasFailed(const QString& port) const {
    return m_failed.contains(port.trimmed(), Qt::CaseInsensitive);
}

void SerialDevices::fail(const QString& port, const QString& message, const QString& caption) {
    m_failed << port.trimmed();
    m_prompter.showMessage(message, caption, Prompter::Icon::Exclamation);
}

bool SerialDevices::writeToCommPort(const QString& port, const QString& text,
                                    const std::optional<QString>& extra) {
    if (port.trimmed().isEmpty() || port.trimmed().toUpper() == QLatin1String("NONE") || hasFailed(port))
        return false;

    QSerialPort serial;
    serial.setPortName(devicePath(port));
    if (!serial.open(QIODevice::ReadWrite)) {
        fail(port, cannotOpenText(port), kPortCaption);
        return false;
    }
    serial.setReadBufferSize(256);
    const bool setUp = serial.setBaudRate(QSerialPort::Baud9600) && serial.setDataBits(QSerialPort::Data8) &&
                       serial.setParity(QSerialPort::NoParity) && serial.setStopBits(QSerialPort::OneStop) &&
                       serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!setUp) {
        serial.close();
        fail(port, cannotSetUpText(port), kPortCaption);
        return false;
    }

    if (text == drawerString() || text == clearString()) {
        const bool written = writeAll(serial, text);
        serial.close();
        if (!written)
            fail(port, drawerFailedText(), kDrawerCaption);
        return written;
    }

    const QString creditCard = QString::fromLatin1(CreditCard);
    QString first;
    QString second;
    if (!extra) {
        first = text;
        second = QStringLiteral("           Thank you");
    } else if (*extra == creditCard) {
        first = text;
        second = QStringLiteral("         Credit Card");
    } else {
        first = QStringLiteral("Cash   ") + text;
        second = QStringLiteral("Change ") + extra->rightJustified(text.size(), QLatin1Char(' '));
    }
    if (!writeAll(serial, first + QStringLiteral("\r\n"))) {
        serial.close();
        fail(port, drawerFailedText(), kDrawerCaption);
        return false;
    }
    const bool written = writeAll(serial, second);
    serial.close();
    return written;
}

} // namespace vantorel
