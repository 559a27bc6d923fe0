#ifndef COOKBOOKLOCK_H
#define COOKBOOKLOCK_H

#include <QObject>
#include <QString>

class ConfigurationManager;

// The lock of the cookbook's product details and day-part pages: opened by a PIN of the
// manager, service or factory level, closed by hand or when a slot starts holding. It is
// kept between visits as the user left it (leaving and the idle return do not close it).
// Every PIN entry and every locking of an open cookbook is reported through the settings
// store for the cloud link.
class CookbookLock : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool locked READ locked NOTIFY lockedChanged)
    Q_PROPERTY(int level READ level NOTIFY lockedChanged)
    Q_PROPERTY(int failures READ failures NOTIFY failuresChanged)
    Q_PROPERTY(bool blocked READ blocked NOTIFY failuresChanged)

public:
    static constexpr int maxFailures = 5;
    static const QString screenName;

    explicit CookbookLock(QObject *parent = nullptr);

    bool locked() const { return m_level == 0; }
    int level() const { return m_level; }
    int failures() const { return m_failures; }
    bool blocked() const { return m_failures > maxFailures; }

    // The level the typed PIN reaches on the cookbook: 4 when it is also the factory PIN,
    // else 3, 2 or 1; 0 when it matches none of levels 1 to 3.
    static int pinLevel(const QString &typed, const QStringList &storedL1toL4, int customerId);

    // Unlocks with a PIN of level 1 to 3 and returns its level; 0 for a wrong PIN and
    // -1 without a try once more than five PINs were wrong.
    Q_INVOKABLE int unlock(const QString &typed);
    Q_INVOKABLE void lock();

    // Connects the locking trigger of the application core (the start of holding).
    void watchCore();

signals:
    void lockedChanged();
    void failuresChanged();

private:
    ConfigurationManager *config() const;

    int m_level = 0;
    int m_failures = 0;
};

#endif // COOKBOOKLOCK_H
