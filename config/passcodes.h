#ifndef PASSCODES_H
#define PASSCODES_H

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantList>

class ConfigurationManager;
class QTimer;

// The four passcode levels: their stored form (digest of the digits, or the digits
// themselves for the one customer that keeps them plain), the defaults per customer, the
// level a typed PIN reaches, and the service pages with their lock levels. Nothing here
// ever writes a PIN, typed or stored, to the log.
class Passcodes
{
public:
    static constexpr int MaxFailures = 5;
    // The display that never takes level 3.
    static constexpr int MirrorOrientationId = 34;

    static QString encryptString(const QString &text);
    static QString storedForm(int customerId, const QString &typed);
    // Level 1..4 default of a customer, in stored form.
    static QString defaultPasscode(int customerId, int level);
    // Level 3 (not on the mirror display of orientation 34), else 2, else 1, else 0.
    static int levelOf(const QString &stored, const QStringList &passcodesL1toL4, int orientationId);

    // The service carousel: the pages in order with their lock levels on this display
    // (-1 shown but never unlocked, 0 open, 1, 2), with a copy of Utilities before
    // Preferences and of Preferences ("PreferencesEnd") after Utilities.
    struct Display {
        bool master = true;
        int customerId = 0;
        bool preferencesPageLock = false;
        bool advancedZoneOptions = false; // personality and setting both allow them
        bool lumo = false;
        bool haccp = false;
    };
    static QVariantList servicePages(const Display &display);
    // The updates list's items (menu import and export): level 1 on the master for the
    // customers whose managers update their own menus, 2 for the others, -1 elsewhere.
    static int updatesLockLevel(bool master, int customerId);

    static void registerQmlTypes();
};

// One screen's PIN entry: the failure count (kept until a good PIN, never stored) and the
// check against the settings store's passcodes, reported to the cloud link through the
// store's passcodeEntered.
class PinGate : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *config READ config WRITE setConfig NOTIFY configChanged)
    Q_PROPERTY(int failures READ failures NOTIFY failuresChanged)
    Q_PROPERTY(bool blocked READ blocked NOTIFY failuresChanged)
    // The level the last PIN checked belongs to, also when too low for its lock (0: none),
    // so that a known PIN refused can be told apart from a wrong one.
    Q_PROPERTY(int lastLevel READ lastLevel NOTIFY failuresChanged)

public:
    explicit PinGate(QObject *parent = nullptr) : QObject(parent) {}

    QObject *config() const;
    void setConfig(QObject *config);
    int failures() const { return m_failures; }
    bool blocked() const { return m_failures > Passcodes::MaxFailures; }
    int lastLevel() const { return m_lastLevel; }

    // A service page's lock: the level reached when it is at least `lockLevel` (> 0),
    // else 0 and one more failure.
    Q_INVOKABLE int check(const QString &screen, int lockLevel, const QString &typed);
    // The same check for a lock the cloud has no screen name for (the updates list's
    // items): counted alike, not reported.
    Q_INVOKABLE int checkUnreported(int lockLevel, const QString &typed);
    // The factory's entry of the first-start screens: the typed digits themselves must be
    // the default digits of level 3 or 4.
    Q_INVOKABLE bool checkFactoryDigits(const QString &typed);

signals:
    void configChanged();
    void failuresChanged();

private:
    void fail();
    // The level reached (0 on a failure, which is counted).
    int evaluate(int lockLevel, const QString &typed);

    QPointer<ConfigurationManager> m_config;
    int m_failures = 0;
    int m_lastLevel = 0;
};

// The dock logo of the service screen: taps less than 500 ms apart are counted, and the
// twelfth in a row asks for the manager's PIN to go back to its default.
class LogoTapCounter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    static constexpr int TapGapMs = 500;
    static constexpr int TapsAbove = 10;

    explicit LogoTapCounter(QObject *parent = nullptr);
    int count() const { return m_count; }
    Q_INVOKABLE void tap();

signals:
    void countChanged();
    void resetRequested();

private:
    QTimer *m_timer;
    int m_count = 0;
};

#endif // PASSCODES_H
