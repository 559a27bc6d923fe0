#include "virtualkeyinput.h"
#include "corelog.h"
#include "keycomposer.h"
#include "pinyintable.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <QtQml>

namespace {

// Compatibility jamo as the Korean layout sends them. Compound vowels and finals are
// typed as two keys and keyed by both, in the index order of Unicode syllable composition.
const QStringList &initials()
{
    static const QStringList table{
        QStringLiteral("ㄱ"), QStringLiteral("ㄲ"), QStringLiteral("ㄴ"), QStringLiteral("ㄷ"),
        QStringLiteral("ㄸ"), QStringLiteral("ㄹ"), QStringLiteral("ㅁ"), QStringLiteral("ㅂ"),
        QStringLiteral("ㅃ"), QStringLiteral("ㅅ"), QStringLiteral("ㅆ"), QStringLiteral("ㅇ"),
        QStringLiteral("ㅈ"), QStringLiteral("ㅉ"), QStringLiteral("ㅊ"), QStringLiteral("ㅋ"),
        QStringLiteral("ㅌ"), QStringLiteral("ㅍ"), QStringLiteral("ㅎ")};
    return table;
}

const QStringList &vowels()
{
    static const QStringList table{
        QStringLiteral("ㅏ"), QStringLiteral("ㅐ"), QStringLiteral("ㅑ"), QStringLiteral("ㅒ"),
        QStringLiteral("ㅓ"), QStringLiteral("ㅔ"), QStringLiteral("ㅕ"), QStringLiteral("ㅖ"),
        QStringLiteral("ㅗ"), QStringLiteral("ㅗㅏ"), QStringLiteral("ㅗㅐ"), QStringLiteral("ㅗㅣ"),
        QStringLiteral("ㅛ"), QStringLiteral("ㅜ"), QStringLiteral("ㅜㅓ"), QStringLiteral("ㅜㅔ"),
        QStringLiteral("ㅜㅣ"), QStringLiteral("ㅠ"), QStringLiteral("ㅡ"), QStringLiteral("ㅡㅣ"),
        QStringLiteral("ㅣ")};
    return table;
}

const QStringList &finals()
{
    static const QStringList table{
        QString(), QStringLiteral("ㄱ"), QStringLiteral("ㄲ"), QStringLiteral("ㄱㅅ"),
        QStringLiteral("ㄴ"), QStringLiteral("ㄴㅈ"), QStringLiteral("ㄴㅎ"), QStringLiteral("ㄷ"),
        QStringLiteral("ㄹ"), QStringLiteral("ㄹㄱ"), QStringLiteral("ㄹㅁ"), QStringLiteral("ㄹㅂ"),
        QStringLiteral("ㄹㅅ"), QStringLiteral("ㄹㅌ"), QStringLiteral("ㄹㅍ"), QStringLiteral("ㄹㅎ"),
        QStringLiteral("ㅁ"), QStringLiteral("ㅂ"), QStringLiteral("ㅂㅅ"), QStringLiteral("ㅅ"),
        QStringLiteral("ㅆ"), QStringLiteral("ㅇ"), QStringLiteral("ㅈ"), QStringLiteral("ㅊ"),
        QStringLiteral("ㅋ"), QStringLiteral("ㅌ"), QStringLiteral("ㅍ"), QStringLiteral("ㅎ")};
    return table;
}

} // namespace

VirtualKeyInput::VirtualKeyInput(QObject *parent) : QObject(parent), m_pinyin(new PinyinTable(this))
{
}

void VirtualKeyInput::registerQmlTypes()
{
    qmlRegisterType<VirtualKeyInput>("VirtualKB", 1, 0, "Vki");
    qmlRegisterType<KeyComposer>("VirtualKB", 1, 0, "KeyComposer");
}

QKeyEvent *VirtualKeyInput::keyEvent(const QString &key)
{
    static const struct { const char *name; int code; } named[] = {
        {"_back", Qt::Key_Backspace},   {"_return", Qt::Key_Return},   {"_leftArrow", Qt::Key_Left},
        {"_downArrow", Qt::Key_Down},   {"_rightArrow", Qt::Key_Right}, {"_upArrow", Qt::Key_Up},
    };
    for (const auto &n : named) {
        if (key == QLatin1String(n.name))
            return new QKeyEvent(QEvent::KeyPress, n.code, Qt::NoModifier);
    }
    if (key == QLatin1String("_space"))
        return new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    // One call may carry a whole composed syllable or a chosen character as its text.
    const int code = !key.isEmpty() && key.at(0).unicode() <= 255 ? key.at(0).unicode() : 0;
    return new QKeyEvent(QEvent::KeyPress, code, Qt::NoModifier, key);
}

QObject *VirtualKeyInput::keyReceiver() const
{
    // The engine has no use for key events: they go where a hardware key would, to the
    // window that has the focus (the first shown one when none has), which hands them to
    // its focus object and on up through its parents.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return parent();
    QWindow *window = QGuiApplication::focusWindow();
    if (!window) {
        const QWindowList windows = QGuiApplication::topLevelWindows();
        for (QWindow *candidate : windows) {
            if (candidate->isVisible()) {
                window = candidate;
                break;
            }
        }
    }
    if (!window)
        return parent();
    return window;
}

void VirtualKeyInput::postKey(const QString &key)
{
    QObject *receiver = keyReceiver();
    if (!receiver) {
        qCWarning(lcCore) << "Virtual key" << key << "dropped: no window and no parent to receive it";
        return;
    }
    QCoreApplication::postEvent(receiver, keyEvent(key), Qt::NormalEventPriority);
}

void VirtualKeyInput::generateKeyInput(QString key, int unused)
{
    Q_UNUSED(unused)
    postKey(key);
    emit aKeyWasPressed();
}

void VirtualKeyInput::generateKeyInput(const QString &key)
{
    int code = 0;
    QString text;
    if (key == QLatin1String("_back"))
        code = Qt::Key_Backspace;
    else if (key == QLatin1String("_return"))
        code = Qt::Key_Return;
    else if (key == QLatin1String("_leftArrow"))
        code = Qt::Key_Left;
    else if (key == QLatin1String("_rightArrow"))
        code = Qt::Key_Right;
    else if (key == QLatin1String("_space"))
        code = Qt::Key_Space, text = QStringLiteral(" ");
    else
        text = key.left(1); // empty for an empty key: it used to read past the end
    QObject *receiver = keyReceiver();
    if (!receiver)
        return;
    QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(receiver, &event);
}

QString VirtualKeyInput::getHangulChar(QString chars) const
{
    const int n = chars.size();
    if (n == 0)
        return QString();
    const QString last = chars.right(1);
    const int initial = initials().indexOf(chars.left(1));
    if (initial < 0)
        return last;
    if (n == 1)
        return last;
    int vowel = n >= 3 ? vowels().indexOf(chars.mid(1, 2)) : -1;
    int used = 3;
    if (vowel < 0) {
        vowel = vowels().indexOf(chars.mid(1, 1));
        if (vowel < 0)
            return last;
        used = 2;
    }
    const int final = finals().indexOf(chars.mid(used));
    if (final < 0)
        return last;
    return QString(QChar(0xAC00 + 588 * initial + 28 * vowel + final));
}

QString VirtualKeyInput::getPinyinChar(QString chars) const
{
    return m_pinyin->get(chars);
}
