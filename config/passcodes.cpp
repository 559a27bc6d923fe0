#include "passcodes.h"

#include "configurationmanager.h"

#include <QCryptographicHash>
#include <QQmlEngine>
#include <QTimer>
#include <QVariantMap>

namespace {

enum CustomerId { CUSTOMER_ID_Vyx = 1, CUSTOMER_ID_TANDOR = 2, CUSTOMER_ID_QRB = 3 };

const char *const DefaultDigits[4] = {"7046", "604528", "731960", "285047"};

QVariantMap page(const QString &screen, const QString &title, int lockLevel)
{
    return {{QStringLiteral("screen"), screen}, {QStringLiteral("title"), title},
            {QStringLiteral("lockLevel"), lockLevel}};
}

} // namespace

QString Passcodes::encryptString(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString Passcodes::storedForm(int customerId, const QString &typed)
{
    return customerId == CUSTOMER_ID_QRB ? typed : encryptString(typed);
}

QString Passcodes::defaultPasscode(int customerId, int level)
{
    if (level < 1 || level > 4)
        return QString();
    const QString digits = level == 1 && customerId == CUSTOMER_ID_Vyx ? QStringLiteral("8312")
                                                                        : QString::fromLatin1(DefaultDigits[level - 1]);
    return storedForm(customerId, digits);
}

int Passcodes::levelOf(const QString &stored, const QStringList &p, int orientationId)
{
    if (p.size() < 3)
        return 0;
    if (stored == p.at(2) && orientationId != MirrorOrientationId)
        return 3;
    if (stored == p.at(1))
        return 2;
    if (stored == p.at(0))
        return 1;
    return 0;
}

QVariantList Passcodes::servicePages(const Display &d)
{
    const bool qrb = d.customerId == CUSTOMER_ID_QRB;
    const auto level = [&d](int onMaster) { return d.master ? onMaster : -1; };
    const QVariantMap preferences = page(QStringLiteral("Preferences"), QStringLiteral("Preferences"),
                                         d.preferencesPageLock ? 1 : 0);
    const QVariantMap utilities = page(QStringLiteral("UtilitiesPanel"), QStringLiteral("Utilities"), 2);
    QVariantList pages;
    pages << utilities << preferences;
    pages << page(QStringLiteral("DateTimePanel"), QStringLiteral("Date and Time"), level(1));
    if (!qrb) {
        pages << page(QStringLiteral("LanguagePanel"), QStringLiteral("Language"), level(1));
        pages << page(QStringLiteral("DaypartsToUsePanel"), QStringLiteral("Day-Parts"), level(1));
    } else {
        pages << page(QStringLiteral("CabinetNamesPanel"), QStringLiteral("Cabinet Names"), level(1));
    }
    if (d.advancedZoneOptions)
        pages << page(QStringLiteral("EcoModeItem"), QStringLiteral("Eco Mode Options"),
                      level(d.customerId == CUSTOMER_ID_TANDOR ? 2 : 1));
    pages << page(QStringLiteral("NetworkingPanel"), QStringLiteral("Wi-Fi Networking"), d.lumo ? -1 : level(2));
    pages << page(QStringLiteral("ZoneDiagnosticsPanel"), QStringLiteral("Zone Diagnostics"), level(2));
    pages << page(QStringLiteral("ErrorsLogPanel"), QStringLiteral("Errors Log"), level(2));
    if (d.haccp)
        pages << page(QStringLiteral("HoldingLogPanel"), QStringLiteral("Holding Log"), 0);
    pages << page(QStringLiteral("PasswordPanel"), QStringLiteral("Password"), level(1));
    pages << page(QStringLiteral("SystemInformationPanel"), QStringLiteral("System Information"), level(2));
    QVariantMap end = preferences;
    end.insert(QStringLiteral("screen"), QStringLiteral("PreferencesEnd"));
    pages << utilities << end;
    // A page that cannot be unlocked says why: the cloud keeps the network of a LuMo
    // cabinet, and other displays take their settings from the master.
    for (QVariant &entry : pages) {
        QVariantMap map = entry.toMap();
        if (map.value(QStringLiteral("lockLevel")).toInt() >= 0)
            continue;
        const bool cloud = d.lumo && map.value(QStringLiteral("screen")) == QLatin1String("NetworkingPanel");
        map.insert(QStringLiteral("lockReason"), cloud ? QStringLiteral("cloud") : QStringLiteral("display"));
        entry = map;
    }
    return pages;
}

int Passcodes::updatesLockLevel(bool master, int customerId)
{
    if (!master)
        return -1;
    return customerId == CUSTOMER_ID_QRB || customerId == CUSTOMER_ID_Vyx ? 1 : 2;
}

void Passcodes::registerQmlTypes()
{
    qmlRegisterType<PinGate>("TulConfig", 1, 0, "PinGate");
    qmlRegisterType<LogoTapCounter>("TulConfig", 1, 0, "LogoTapCounter");
}

QObject *PinGate::config() const
{
    return m_config.data();
}

void PinGate::setConfig(QObject *config)
{
    auto *c = qobject_cast<ConfigurationManager *>(config);
    if (c == m_config)
        return;
    m_config = c;
    emit configChanged();
}

void PinGate::fail()
{
    ++m_failures;
    emit failuresChanged();
}

int PinGate::evaluate(int lockLevel, const QString &typed)
{
    const int level = m_config->passcodeLevel(typed);
    m_lastLevel = level;
    if (level < lockLevel) {
        fail();
        return 0;
    }
    if (m_failures != 0) {
        m_failures = 0;
        emit failuresChanged();
    }
    return level;
}

int PinGate::check(const QString &screen, int lockLevel, const QString &typed)
{
    if (!m_config || lockLevel < 1)
        return 0;
    const int level = evaluate(lockLevel, typed);
    emit m_config->passcodeEntered(screen, level > 0 ? level : lockLevel, level > 0);
    return level;
}

int PinGate::checkUnreported(int lockLevel, const QString &typed)
{
    if (!m_config || lockLevel < 1)
        return 0;
    return evaluate(lockLevel, typed);
}

bool PinGate::checkFactoryDigits(const QString &typed)
{
    const bool good = typed == QLatin1String(DefaultDigits[2]) || typed == QLatin1String(DefaultDigits[3]);
    if (good && m_failures != 0) {
        m_failures = 0;
        emit failuresChanged();
    } else if (!good) {
        fail();
    }
    return good;
}

LogoTapCounter::LogoTapCounter(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(TapGapMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_count = 0;
        emit countChanged();
    });
}

void LogoTapCounter::tap()
{
    if (m_timer->isActive()) {
        ++m_count;
        emit countChanged();
    }
    m_timer->start();
    if (m_count > TapsAbove) {
        m_timer->stop();
        m_count = 0;
        emit countChanged();
        emit resetRequested();
    }
}
