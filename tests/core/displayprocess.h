#ifndef DISPLAYPROCESS_H
#define DISPLAYPROCESS_H

#include <QDeadlineTimer>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>

// TUL_BINARY names the program.
// The program run as one display of a cabinet, with its own data root, on a virtual CAN
// bus of the test's own; the test watches its log and drives it through its simulation
// console.

inline int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// One running display: its process and everything it has logged so far.
class Display
{
public:
    Display(const QString &root, const QString &canInterface, const QStringList &extraArgs = {},
            const QMap<QString, QString> &extraEnv = {})
    {
        QDir().mkpath(root);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TUL_ROOT_DIR"), root);
        env.insert(QStringLiteral("TUL_CAN_INTERFACE"), canInterface);
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.canbus.*=false;tul.*.debug=true"));
        for (auto it = extraEnv.cbegin(); it != extraEnv.cend(); ++it)
            env.insert(it.key(), it.value());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(TUL_BINARY), QStringList{QStringLiteral("-simulation")} + extraArgs);
    }
    ~Display()
    {
        process.kill();
        process.waitForFinished(5000);
    }
    QString log()
    {
        output += QString::fromLocal8Bit(process.readAll());
        return output;
    }
    bool saw(const QString &text) { return log().contains(text); }
    int count(const QString &text) { return log().count(text); }

    // Sends one simulation console command and returns its answer line ("" if none came).
    QString ask(const QString &command)
    {
        static const QRegularExpression answer(QStringLiteral("^sim: (.*)$"),
                                               QRegularExpression::MultilineOption);
        const auto answers = [this] {
            QStringList lines;
            for (auto it = answer.globalMatch(log()); it.hasNext();)
                lines << it.next().captured(1);
            return lines;
        };
        const int before = answers().size();
        process.write(command.toUtf8() + '\n');
        QDeadlineTimer deadline(5000);
        while (answers().size() <= before && !deadline.hasExpired())
            process.waitForReadyRead(100);
        const QStringList after = answers();
        return after.size() > before ? after.at(before) : QString();
    }
    // The bin's state code as the console reports it; -1 without an answer.
    int state(int bin)
    {
        static const QRegularExpression code(QStringLiteral("\\(state code (\\d+)\\)$"));
        const QRegularExpressionMatch match = code.match(ask(QStringLiteral("state %1").arg(bin)));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    QProcess process;
    QString output;
};

#endif // DISPLAYPROCESS_H
