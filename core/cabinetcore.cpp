#include "cabinetcore.h"

#include <cmath>

CabinetCore *CabinetCore::of(const QObject *object)
{
    for (QObject *o = const_cast<QObject *>(object); o; o = o->parent()) {
        if (auto *core = qobject_cast<CabinetCore *>(o))
            return core;
    }
    return nullptr;
}

namespace {

// Nearest whole number of numerator / denominator (denominator > 0), halves upward.
int roundHalfUp(int numerator, int denominator)
{
    return static_cast<int>(std::floor(double(numerator) / denominator + 0.5));
}

} // namespace

int CabinetCore::convertToCelsius(int fahrenheit)
{
    return roundHalfUp((fahrenheit - 32) * 5, 9);
}

int CabinetCore::convertToFahrenheit(int celsius)
{
    return roundHalfUp(celsius * 9, 5) + 32;
}
