#ifndef SCREENCOMMANDS_H
#define SCREENCOMMANDS_H

#include <QString>
#include <QStringList>

class QQuickWindow;

// The console's "ui" commands on a simulated cabinet (their words after "ui"): a tap as a
// finger gives it, a property read and the list of object names, for tests and developers
// driving the screens of a running display. An object is named "name" or "name[n]", the
// n-th (from 0) of the items that share the name, in the order the screen holds them.
QString screenCommand(QQuickWindow *window, const QStringList &words);

#endif // SCREENCOMMANDS_H
