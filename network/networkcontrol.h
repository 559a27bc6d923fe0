#ifndef NETWORKCONTROL_H
#define NETWORKCONTROL_H

#include "networksettings.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class LaunchedCommand;
struct CommandResult;

// Applies network changes as chains of child processes, one chain at a time:
//  - reconfigure: interfaces down, both files rewritten, the supplicant told to reread
//    its file, the enabled interfaces up;
//  - restartWifiNetwork: the Wi-Fi and network services restarted by their init scripts;
//  - restartWifiInterface: the Wi-Fi interface down, supplicant reconfigured, up.
// A request while a chain runs waits for it (a reconfigure with the newest settings);
// a step that fails is logged and the chain goes on, so the interfaces come back up.
class NetworkControl : public QObject
{
    Q_OBJECT

public:
    // A step that has not finished by then is stopped; tests may shorten it.
    static int stepTimeoutMs;

    explicit NetworkControl(QObject *parent = nullptr);

    // Every program a chain may run, as the device names it.
    static QStringList programs();

    // False (nothing run, files untouched) when the settings are refused.
    bool reconfigure(const NetworkSettings &settings);
    void restartWifiNetwork();
    void restartWifiInterface();

    bool isBusy() const { return !m_chain.isEmpty(); }
    QString runningChain() const { return m_chain; }

signals:
    // A chain has run to its end; ok is false when any step failed.
    void chainFinished(const QString &chain, bool ok);

private:
    struct Step
    {
        QString program;
        QStringList arguments;
        std::function<bool()> action; // in place of a program: runs in-process
        bool mayFail = false;         // taking down an interface that is not up
    };

    void request(const QString &chain);
    void startChain(const QString &chain);
    QList<Step> stepsOf(const QString &chain);
    void runNextStep();
    void processWrapUp_step(const CommandResult &result);
    void stepTimedOut();

    QString m_chain;
    QList<Step> m_steps;
    bool m_chainOk = true;
    QStringList m_pending;
    NetworkSettings m_settings;
    bool m_stepMayFail = false;
    QPointer<LaunchedCommand> m_process;
    QTimer m_stepTimer;
};

#endif // NETWORKCONTROL_H
