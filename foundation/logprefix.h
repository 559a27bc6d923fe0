#ifndef LOGPREFIX_H
#define LOGPREFIX_H

#include <QString>

// Two displays of a cabinet often write to one terminal, so each line says whose it is.
// The role is known only once the personality is read: lines logged before then wait and
// come out with the prefix, in their order.
namespace LogPrefix {

// From now on lines wait (at most MaxHeldLines; a fatal line, or the program's end, lets
// them out at once without a prefix).
void hold();
// Starts every line with the prefix (none when empty; QT_MESSAGE_PATTERN, when set, wins)
// and lets the waiting lines out.
void release(const QString &prefix);

constexpr int MaxHeldLines = 1000;

} // namespace LogPrefix

#endif // LOGPREFIX_H
