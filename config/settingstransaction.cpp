#include "settingstransaction.h"
#include "configlog.h"

#include "configurationmanager.h"

#include <QDebug>
#include <QMap>

namespace {

QMap<QString, QString> valuesOf(const QByteArray &text)
{
    QMap<QString, QString> values;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        const int eq = line.indexOf('=');
        if (eq > 0)
            values.insert(QString::fromLatin1(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return values;
}

} // namespace

SettingsTransaction::SettingsTransaction(ConfigurationManager *config)
    : m_config(config)
{
    if (!m_config) {
        m_open = false;
        return;
    }
    m_before = m_config->configFileText();
    m_config->holdReports();
}

SettingsTransaction::~SettingsTransaction()
{
    if (m_open)
        rollBack();
}

bool SettingsTransaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    if (!m_config->saveConfigFile()) {
        rollBack();
        return false;
    }
    m_config->releaseReports(true);
    return true;
}

void SettingsTransaction::rollBack()
{
    m_open = false;
    // Only the values that moved: each setter tells the screens its value is back.
    const QMap<QString, QString> before = valuesOf(m_before);
    const QMap<QString, QString> now = valuesOf(m_config->configFileText());
    int restored = 0;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (now.value(it.key()) != it.value() && m_config->applyConfigValue(it.key(), it.value()))
            ++restored;
    }
    qCWarning(lcConfig) << "Settings not saved:" << restored << "changed values set back";
    m_config->releaseReports(false);
}
