#pragma once

#include <QString>
#include <functional>

namespace vantorel::bench {

// Median wall time of a measured action in milliseconds. setup runs before each repetition, untimed.
double MedianMs(int repetitions, const std::function<void()>& action, const std::function<void()>& setup = {});

// Peak resident memory of this process in megabytes.
double PeakResidentMb();

} // namespace vantorel::bench
