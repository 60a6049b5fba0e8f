#include "SchemeColor.h"

namespace vantorel {

QColor SchemeColor(int index) {
    switch (index) {
    case 1:
        return QColor(224, 227, 233);
    case 3:
        return QColor(136, 156, 170);
    case 4:
        return QColor(179, 191, 198);
    default:
        return QColor(234, 237, 238);
    }
}

} // namespace vantorel
