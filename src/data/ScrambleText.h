#pragma once

#include <QString>

namespace vantorel {

// Combines every character (at most 255 are taken) with one fixed byte; applying it twice gives the text
// back. Used for the owner identification stored in the settings record.
QString ScrambleText(const QString& text);

} // namespace vantorel
