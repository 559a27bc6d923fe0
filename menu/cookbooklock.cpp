#include "cookbooklock.h"

#include "cabinetcore.h"
#include "configurationmanager.h"
#include "passcodes.h"

const QString CookbookLock::screenName = QStringLiteral("MenuEditPanel");

CookbookLock::CookbookLock(QObject *parent) : QObject(parent) {}

void CookbookLock::watchCore()
{
    CabinetCore *core = CabinetCore::of(this);
    if (!core)
        return;
    connect(core, &CabinetCore::activelyHoldingChanged, this, [this](bool holding) {
        if (holding)
            lock();
    });
}

ConfigurationManager *CookbookLock::config() const
{
    const CabinetCore *core = CabinetCore::of(this);
    return core ? core->configManager() : nullptr;
}

int CookbookLock::pinLevel(const QString &typed, const QStringList &stored, int customerId)
{
    if (stored.size() < 4)
        return 0;
    const QString form = Passcodes::storedForm(customerId, typed);
    int level = 0;
    for (int l = 3; l >= 1 && level == 0; --l) {
        if (form == stored.at(l - 1))
            level = l;
    }
    return level != 0 && form == stored.at(3) ? 4 : level;
}

int CookbookLock::unlock(const QString &typed)
{
    if (blocked())
        return -1;
    ConfigurationManager *c = config();
    const CabinetCore *core = CabinetCore::of(this);
    const QStringList stored = c ? QStringList{c->get_passwdL1(), c->get_passwdL2(), c->get_passwdL3(),
                                               c->get_passwdL4()}
                                 : QStringList();
    const int level = pinLevel(typed, stored, core ? core->get_customerId() : 0);
    if (level == 0) {
        ++m_failures;
        emit failuresChanged();
        if (c)
            emit c->passcodeEntered(screenName, 1, false);
        return 0;
    }
    if (m_failures != 0) {
        m_failures = 0;
        emit failuresChanged();
    }
    m_level = level;
    emit lockedChanged();
    if (c)
        emit c->passcodeEntered(screenName, level, true);
    return level;
}

void CookbookLock::lock()
{
    if (m_level == 0)
        return;
    const int level = m_level;
    m_level = 0;
    emit lockedChanged();
    if (ConfigurationManager *c = config())
        emit c->programModeExited(screenName, level);
}
