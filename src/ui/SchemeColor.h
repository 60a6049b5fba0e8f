#pragma once

#include <QColor>

namespace vantorel {

// The colour scheme every screen takes its colours from:
// 1 utilities menu background, 2 (and any other index) start of background gradients,
// 3 end of title-bar gradients, 4 screen colour, marquee and end of background gradients.
QColor SchemeColor(int index);

} // namespace vantorel
