#ifndef SIMULATIONCONSOLE_H
#define SIMULATIONCONSOLE_H

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <functional>

class HoldingCoordinator;
class IoBoardSimulator;
class QSocketNotifier;
struct NfcPollingInfo;

// What a developer, a test or a benchmark does to a simulated cabinet while it runs:
// commands, one per line, on standard input ("-simulation" only). Each is answered by
// line "sim: ..." on standard output (`help`: several). `help` lists them.
class SimulationConsole : public QObject
{
    Q_OBJECT

public:
    // `simulator` and `polling` are null on a display without the IO board or NFC.
    SimulationConsole(HoldingCoordinator *holding, IoBoardSimulator *simulator, const NfcPollingInfo *polling,
                      QObject *parent = nullptr);

    void listenOnStandardInput();
    // Answers the "ui ..." commands (their words after "ui"); set by whoever shows the scene.
    void setScreenCommands(std::function<QString(const QStringList &)> handler) { m_screen = std::move(handler); }
    // Carries out one command and returns its answer.
    QString processLine(const QString &line);

private slots:
    void readStandardInput();

private:
    QString placeTag(int bin, quint64 uid, bool place);
    void answerPending();
    void awaitPanOutcome(int bin);
    static void print(const QString &answer);
    bool readerChannel(int bin, int *node, int *channel) const;

    HoldingCoordinator *m_holding;
    IoBoardSimulator *m_simulator;
    const NfcPollingInfo *m_polling;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
    int m_placedBin = -1;    // the bin of a pan the last command placed
    bool m_awaiting = false; // a pan's answer is pending
    bool m_inputEnded = false;
    std::function<QString(const QStringList &)> m_screen;
};

#endif // SIMULATIONCONSOLE_H
