#pragma once

#include <QString>

namespace vantorel {

// A text of length 0 or 1 is returned unchanged; otherwise all lower case with the first character upper.
QString CapitalizeName(const QString& text);

// The first character and every character after a blank in upper case, every other letter in lower case;
// only the letters a to z are changed ("hello WORLD" -> "Hello World").
QString TitleCaseWords(const QString& text);

} // namespace vantorel
