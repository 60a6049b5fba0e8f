#pragma once

#include <QByteArray>
#include <QStringView>

namespace vantorel {

// Windows-1252, the character set receipt printers and pole displays are switched to, so that accented
// letters and the euro sign print as typed. Characters outside it become "?".
QByteArray EncodeCp1252(QStringView text);

} // namespace vantorel
