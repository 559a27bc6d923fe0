#ifndef ALARMTIMINGS_H
#define ALARMTIMINGS_H

// The one place the alarm, error-service and holding timers take their intervals from.
// The device runs at scale 1; tests shorten every interval by one factor so that a
// sequence of alarms or a holding countdown keeps its proportions but runs in a fraction
// of the time.
class AlarmTimings
{
public:
    // `ms` scaled by the current factor, at least 1 ms.
    static int scaled(int ms);
    static double scale();
    static void setScale(double factor);
};

#endif // ALARMTIMINGS_H
