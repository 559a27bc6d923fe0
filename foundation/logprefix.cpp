#include "logprefix.h"

#include <QByteArray>
#include <QMutex>
#include <QVector>

#include <cstdlib>

namespace {

struct HeldLine {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QMutex g_mutex;
bool g_holding = false;
QtMessageHandler g_previous = nullptr;
QVector<HeldLine> g_held;

// With g_mutex held.
void letOut()
{
    g_holding = false;
    const QVector<HeldLine> lines = std::move(g_held);
    g_held.clear();
    for (const HeldLine &line : lines) {
        const QMessageLogContext context(nullptr, 0, nullptr, line.category.constData());
        g_previous(line.type, context, line.text);
    }
}

void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    QMutexLocker lock(&g_mutex);
    if (g_holding && type != QtFatalMsg && g_held.size() < LogPrefix::MaxHeldLines) {
        g_held.append({type, QByteArray(context.category ? context.category : "default"), text});
        return;
    }
    letOut();
    g_previous(type, context, text);
}

void letOutAtExit()
{
    QMutexLocker lock(&g_mutex);
    letOut();
}

} // namespace

void LogPrefix::hold()
{
    QMutexLocker lock(&g_mutex);
    g_holding = true;
    if (g_previous)
        return;
    g_previous = qInstallMessageHandler(handler);
    std::atexit(letOutAtExit);
}

void LogPrefix::release(const QString &prefix)
{
    QMutexLocker lock(&g_mutex);
    if (!prefix.isEmpty() && !qEnvironmentVariableIsSet("QT_MESSAGE_PATTERN"))
        qSetMessagePattern(prefix + QStringLiteral("%{if-category}%{category}: %{endif}%{message}"));
    if (g_previous)
        letOut();
}
