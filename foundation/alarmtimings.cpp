#include "alarmtimings.h"

#include <QtGlobal>

#include <atomic>
#include <cmath>

namespace {
std::atomic<double> g_scale{1.0};
}

int AlarmTimings::scaled(int ms)
{
    const double factor = g_scale.load(std::memory_order_relaxed);
    return qMax(1, static_cast<int>(std::lround(ms * factor)));
}

double AlarmTimings::scale()
{
    return g_scale.load(std::memory_order_relaxed);
}

void AlarmTimings::setScale(double factor)
{
    g_scale.store(factor > 0 ? factor : 1.0, std::memory_order_relaxed);
}
