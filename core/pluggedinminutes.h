#ifndef PLUGGEDINMINUTES_H
#define PLUGGEDINMINUTES_H

#include <QByteArray>
#include <QString>

// The minutes the cabinet has been plugged in, kept in "pluggedInMinutes.txt" of the data
// root as one decimal number and a line feed.
class PluggedInMinutes
{
public:
    static constexpr qint64 MaxBytes = 64; // a number and some blanks

    static QString filePath();
    // The number in the file's text: a whole number 0..INT_MAX, blanks around it allowed.
    static bool parse(const QByteArray &text, int *minutes);
    // The stored minutes; `fallback` when there are none or they cannot be read (logged).
    static int load(int fallback);
    static bool save(int minutes);
};

#endif // PLUGGEDINMINUTES_H
