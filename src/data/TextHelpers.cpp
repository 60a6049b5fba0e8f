#include "TextHelpers.h"

namespace vantorel {

QString CapitalizeName(const QString& text) {
    if (text.size() <= 1)
        return text;
    return text.left(1).toUpper() + text.mid(1).toLower();
}

} // namespace vantorel
