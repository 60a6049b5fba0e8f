#include "ScrambleText.h"

namespace vantorel {

namespace {
constexpr char16_t kScrambleByte = 0x1D;
}

QString ScrambleText(const QString& text) {
    QString out = text.left(255);
    for (QChar& c : out)
        c = QChar(static_cast<char16_t>(c.unicode() ^ kScrambleByte));
    return out;
}

} // namespace vantorel
