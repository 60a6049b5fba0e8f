#pragma once

#include <QByteArray>
#include <QString>

namespace vantorel {

// The database password, assembled at run time; it never appears as text in the program file.
QString DatabasePassword();
// The value for SQLCipher's "PRAGMA key": a raw 256-bit key derived once from the password, so that
// opening a connection does not pay for the passphrase derivation.
QByteArray DatabaseKeyPragmaValue();
// The same key as SQLCipher's raw-key text x'...', for binding as a parameter (ATTACH ... KEY ?).
QString DatabaseRawKeyText();

} // namespace vantorel
