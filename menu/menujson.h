#ifndef MENUJSON_H
#define MENUJSON_H

#include <QJsonValue>

#include <climits>
#include <cmath>

// The menu and day-part files take a missing or mistyped member as 0: a whole number of
// the file, or 0 for anything else (missing, text, fractional, out of the int range).
inline int jsonInt(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double d = value.toDouble();
    if (d != std::floor(d) || d < INT_MIN || d > INT_MAX)
        return 0;
    return static_cast<int>(d);
}

#endif // MENUJSON_H
