#include "BenchTimer.h"

#include <QElapsedTimer>
#include <algorithm>
#include <sys/resource.h>
#include <vector>

namespace vantorel::bench {

double MedianMs(int repetitions, const std::function<void()>& action, const std::function<void()>& setup) {
    std::vector<double> times;
    times.reserve(size_t(repetitions));
    for (int i = 0; i < repetitions; ++i) {
        if (setup)
            setup();
        QElapsedTimer t;
        t.start();
        action();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double PeakResidentMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace vantorel::bench
