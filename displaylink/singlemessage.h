#ifndef SINGLEMESSAGE_H
#define SINGLEMESSAGE_H

#include <QByteArray>
#include <QtGlobal>

// A single display-link message of the application (not the holding messages, which
// HoldingLink takes first), decoded and checked before anyone acts on it: long enough
// for its code, every field within its range.
struct SingleMessage
{
    quint8 code = 0;
    int alarmId = 0;        // alarm request
    bool alarmOn = false;
    int errorCodes[4] = {}; // error info and clear: the four codes as signed bytes
    int dayPart = 0;        // day part set: 0..9
    int languageId = 0;     // language settings: below Translator::languageCount
    uint usedLanguages = 0; //   and the 16-bit mask of languages in use

    static constexpr int MaxDayPart = 9;

    // False, with a log line, for an empty, short, unknown or out-of-range message.
    static bool decode(const QByteArray &data, SingleMessage *message);
};

#endif // SINGLEMESSAGE_H
