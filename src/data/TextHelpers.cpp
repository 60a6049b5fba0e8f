#include "TextHelpers.h"

namespace vantorel {

QString CapitalizeName(const QString& text) {
    if (text.size() <= 1)
        return text;
    return text.left(1).toUpper() + text.mid(1).toLower();
}

QString TitleCaseWords(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t c = out.at(i).unicode();
        const bool wordStart = i == 0 || out.at(i - 1) == QLatin1Char(' ');
        if (wordStart && c >= u'a' && c <= u'z')
            out[i] = QChar(c - u'a' + u'A');
        else if (!wordStart && c >= u'A' && c <= u'Z')
            out[i] = QChar(c - u'A' + u'a');
    }
    return out;
}

} // namespace vantorel
