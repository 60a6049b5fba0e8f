#include "DatabaseKey.h"

#include <QCryptographicHash>
#include <array>

namespace vantorel {

namespace {
constexpr unsigned char kMask = 0x5A;
// Each byte is a character of the password combined with kMask.
constexpr std::array<unsigned char, 9> kStored = {0x0c, 0x2c, 0x68, 0x3a, 0x13, 0x1e, 0x6f, 0x0d, 0x7b};
} // namespace

QString DatabasePassword() {
    QString password;
    password.reserve(static_cast<qsizetype>(kStored.size()));
    for (unsigned char b : kStored)
        password += QChar(static_cast<char16_t>(b ^ kMask));
    return password;
}

QString DatabaseRawKeyText() {
    const QByteArray key = QCryptographicHash::hash(DatabasePassword().toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("x'") + QString::fromLatin1(key.toHex()) + QLatin1Char('\'');
}

QByteArray DatabaseKeyPragmaValue() { return '"' + DatabaseRawKeyText().toLatin1() + '"'; }

} // namespace vantorel
