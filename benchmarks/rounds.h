#ifndef ROUNDS_H
#define ROUNDS_H

// Times a piece of the program beside its floor (the least work that any program doing
// the same job must do) in alternated rounds, and prints min and median of both with
// their ratios. The order swaps every round so that neither side always runs on the
// cache the other warmed; one untimed run of each comes first.
#include <QElapsedTimer>
#include <QString>
#include <QVector>

#include <algorithm>
#include <functional>

struct Rounds
{
    static constexpr int minimum = 5;

    QVector<double> program; // ms per round
    QVector<double> floor;

    static double timeMs(const std::function<void()> &run)
    {
        QElapsedTimer clock;
        clock.start();
        run();
        return clock.nsecsElapsed() / 1e6;
    }

    static Rounds alternate(int rounds, const std::function<void()> &programRun,
                            const std::function<void()> &floorRun)
    {
        Rounds r;
        programRun();
        floorRun();
        for (int i = 0; i < std::max(rounds, minimum); ++i) {
            if (i % 2) {
                r.floor << timeMs(floorRun);
                r.program << timeMs(programRun);
            } else {
                r.program << timeMs(programRun);
                r.floor << timeMs(floorRun);
            }
        }
        return r;
    }

    static double min(const QVector<double> &v) { return v.isEmpty() ? 0 : *std::min_element(v.begin(), v.end()); }
    static double median(QVector<double> v)
    {
        if (v.isEmpty())
            return 0;
        std::sort(v.begin(), v.end());
        const int n = v.size();
        return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
    }
    double minRatio() const { return min(floor) > 0 ? min(program) / min(floor) : 0; }
    double medianRatio() const { return median(floor) > 0 ? median(program) / median(floor) : 0; }

    // "<what>: a / b ms; floor (<floorWhat>) c / d ms; ratio e / f x; n alternated rounds",
    // the pairs being min / median.
    QString report(const QString &what, const QString &floorWhat) const
    {
        const auto pair = [](double a, double b) {
            const int digits = b < 1 ? 3 : 2;
            return QStringLiteral("%1 / %2").arg(a, 0, 'f', digits).arg(b, 0, 'f', digits);
        };
        return QStringLiteral("%1: %2 ms; floor (%3) %4 ms; ratio %5 x; %6 alternated rounds (min / median)\n")
            .arg(what, pair(min(program), median(program)), floorWhat, pair(min(floor), median(floor)),
                 QStringLiteral("%1 / %2").arg(minRatio(), 0, 'f', 2).arg(medianRatio(), 0, 'f', 2))
            .arg(program.size());
    }
};

#endif // ROUNDS_H
