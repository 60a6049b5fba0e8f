#include "DialogState.h"

namespace vantorel {

QString& DialogAnswer() {
    static QString answer;
    return answer;
}

int& DigitLimit() {
    static int limit = 0;
    return limit;
}

} // namespace vantorel
