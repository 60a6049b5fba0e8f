#pragma once

#include <QString>

namespace vantorel {

// The answer text shared by all modal dialogs: a dialog writes it, the screen that opened it reads and
// clears it. DialogCancelled means the dialog was cancelled.
QString& DialogAnswer();
inline const QString DialogCancelled = QStringLiteral("XPX");

// The most characters the next on-screen pad accepts.
int& DigitLimit();

} // namespace vantorel
