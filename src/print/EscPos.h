#pragma once

#include "ReportLayout.h"

#include <QByteArray>

namespace vantorel {

// A report as one raw job for a receipt printer (impact, thermal or mini): ESC/POS commands around the
// fixed-width lines. The printer is reset, switched to the Windows-1252 character set (so that accented
// letters print right), bold and double-height lines are switched on and off with the print mode that impact
// and thermal printers share, and the paper is fed and cut.
QByteArray EscPosJob(const ReportLayout& layout);

namespace EscPos {
inline const QByteArray Initialize = QByteArrayLiteral("\x1b\x40");
inline const QByteArray CodePage1252 = QByteArrayLiteral("\x1b\x74\x10");
// ESC "!" with the print mode: 0x08 emphasized (bold), 0x10 double height; 0 back to normal.
inline QByteArray PrintMode(bool bold, bool doubleHeight) {
    return QByteArrayLiteral("\x1b\x21") + char((bold ? 0x08 : 0) | (doubleHeight ? 0x10 : 0));
}
// Feed the paper past the cutter, then a partial cut.
inline const QByteArray FeedAndCut = QByteArrayLiteral("\x1d\x56\x42\x04");
} // namespace EscPos

} // namespace vantorel
