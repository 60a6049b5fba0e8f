#pragma once

#include <QString>

namespace vantorel {

// A text of length 0 or 1 is returned unchanged; otherwise all lower case with the first character upper.
QString CapitalizeName(const QString& text);

} // namespace vantorel
