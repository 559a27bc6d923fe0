#ifndef RESIDENT_H
#define RESIDENT_H

// Resident and peak memory of a program run with and without some data (MiB), gathered in
// alternated runs, and the line that prints them.
#include "rounds.h"

#include <QString>
#include <QVector>

struct Resident
{
    QVector<double> with, without, peakWith, peakWithout; // MiB
    int records = 0;

    // "<what>: a / b MiB <withWhat>, c / d MiB <withoutWhat>; +e / +f MiB (...); peak g / h MiB"
    QString report(const QString &what, const QString &withWhat, const QString &withoutWhat) const
    {
        return QStringLiteral("%1: %2 / %3 MiB %4, %5 / %6 MiB %7; "
                              "+%8 / +%9 MiB (min / median of %10 alternated runs); peak %11 / %12 MiB\n")
            .arg(what)
            .arg(Rounds::min(with), 0, 'f', 1).arg(Rounds::median(with), 0, 'f', 1).arg(withWhat)
            .arg(Rounds::min(without), 0, 'f', 1).arg(Rounds::median(without), 0, 'f', 1).arg(withoutWhat)
            .arg(Rounds::min(with) - Rounds::min(without), 0, 'f', 1)
            .arg(Rounds::median(with) - Rounds::median(without), 0, 'f', 1)
            .arg(with.size())
            .arg(Rounds::median(peakWith), 0, 'f', 1).arg(Rounds::median(peakWithout), 0, 'f', 1);
    }
};

#endif // RESIDENT_H
