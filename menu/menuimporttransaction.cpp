#include "menuimporttransaction.h"
#include "menulog.h"

#include "configurationmanager.h"
#include "jsonguard.h"
#include "jsonmenufile.h"
#include "menumanager.h"

#include <QDebug>
#include <QJsonDocument>
#include <QStandardItem>

MenuImportTransaction::MenuImportTransaction(MenuManager *menu, DayPartManager *dayParts,
                                             ConfigurationManager *config, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_dayParts(dayParts)
    , m_config(config)
{
    // Queued: a save asked for while another ran is carried out right after the first
    // one reports, and only the end of that later save counts.
    if (m_menu)
        connect(m_menu, &MenuManager::menuSaveFinished, this, &MenuImportTransaction::menuSaveFinished,
                Qt::QueuedConnection);
    if (m_dayParts)
        connect(m_dayParts, &DayPartManager::dayPartsSaveFinished, this,
                &MenuImportTransaction::dayPartsSaveFinished, Qt::QueuedConnection);
}

MenuImportTransaction::~MenuImportTransaction()
{
    qDeleteAll(m_menuBefore);
}

bool MenuImportTransaction::begin()
{
    if (m_running) {
        qCWarning(lcMenu).noquote() << "A menu import is still being saved; this one is refused";
        return false;
    }
    if (!m_menu || !m_dayParts) {
        qCWarning(lcMenu).noquote() << "Menu import without a menu or day-part manager";
        return false;
    }
    m_running = true;
    ++m_run;
    m_digest.clear();
    m_pendingReports = 0;
    m_stepFailed = false;
    m_configChanged = m_menuChanged = m_dayPartsChanged = false;
    m_menuSaved = m_dayPartsSaved = false;
    qDeleteAll(m_menuBefore);
    m_menuBefore = m_menu->cloneRows();
    m_dayPartsBefore = m_dayParts->snapshot();
    if (m_config) {
        m_configBefore.languageId = m_config->get_languageId();
        m_configBefore.useFirst = m_config->get_useFirstEnabled();
        m_configBefore.groupDots = m_config->get_groupDotsEnabled();
        m_configBefore.splitView = m_config->get_splitViewEnabled();
        m_configBefore.individualDayParts = m_config->get_individualDPEnabled();
        m_configBefore.labelFontSize = m_config->get_labelFontSize();
        m_configBefore.productsHashCode = m_config->get_productsHashCode();
    }
    return true;
}

bool MenuImportTransaction::beginBinary(const BinaryMenuFile &file)
{
    int rows = 0;
    for (const Product_t &record : file.products)
        rows += record.kind == 'p' || record.kind == 'g';
    if (rows > MenuManager::maxLegacyRows) {
        qCWarning(lcMenu).noquote() << "The menu file holds" << rows - 1 << "products and groups, more than"
                             << MenuManager::maxLegacyRows - 1 << "; not imported";
        return false;
    }
    return file.outcome == BinaryMenuFile::Outcome::Good && file.dayParts.size() == BinaryMenuFile::dayPartRecords
        && begin();
}

bool MenuImportTransaction::beginJson(const QJsonObject &document, const QString &digest)
{
    // The appliers would leave a menu of another version alone while the import said
    // it was taken.
    const QJsonValue version = document.value(QLatin1String("header")).toObject().value(QLatin1String("menuVersion"));
    if (!version.isDouble() || version.toDouble() != double(JsonMenuFile::menuVersion)) {
        qCWarning(lcMenu).noquote() << "Menu version" << version.toVariant().toString() << "is not supported; not imported";
        return false;
    }
    if (!begin())
        return false;
    m_digest = digest;
    return true;
}

void MenuImportTransaction::expect(int touches, int reports)
{
    if (!m_running)
        return;
    m_configChanged |= (touches & Settings) != 0;
    m_menuChanged |= (touches & Menu) != 0;
    m_dayPartsChanged |= (touches & DayParts) != 0;
    m_pendingReports = reports;
}

bool MenuImportTransaction::accepts() const
{
    return m_running && m_pendingReports > 0 && !m_stepFailed;
}

void MenuImportTransaction::stepDone(bool ok)
{
    if (!accepts())
        return;
    --m_pendingReports;
    m_stepFailed = !ok;
}

bool MenuImportTransaction::applied(const char *what)
{
    if (!m_running)
        return false;
    if (m_stepFailed) {
        rollBack(QStringLiteral("%1 could not be applied").arg(QLatin1String(what)));
        return false;
    }
    if (m_pendingReports > 0) {
        rollBack(QStringLiteral("nothing applied %1").arg(QLatin1String(what)));
        return false;
    }
    return true;
}

void MenuImportTransaction::waitForSaves()
{
    checkDone();
}

void MenuImportTransaction::waitForQueuedSteps(const char *what)
{
    // Posted after the appliers' calls, so it runs once they have.
    const int run = m_run;
    QMetaObject::invokeMethod(this, [this, run, what] {
        if (run == m_run && applied(what))
            waitForSaves();
    }, Qt::QueuedConnection);
}

void MenuImportTransaction::menuSaveFinished(bool ok)
{
    if (!m_running || !m_menuChanged || m_menuSaved)
        return;
    if (!ok)
        return rollBack("menu.json could not be saved");
    if (!m_menu->isSaving())
        m_menuSaved = true;
    checkDone();
}

void MenuImportTransaction::dayPartsSaveFinished(bool ok)
{
    if (!m_running || !m_dayPartsChanged || m_dayPartsSaved)
        return;
    if (!ok)
        return rollBack("dayParts.json could not be saved");
    if (!m_dayParts->isSaving())
        m_dayPartsSaved = true;
    checkDone();
}

void MenuImportTransaction::checkDone()
{
    if (m_running && m_menuSaved && m_dayPartsSaved)
        end(true);
}

void MenuImportTransaction::rollBack(const QString &why)
{
    qCWarning(lcMenu).noquote() << "Menu import failed:" << why << "- the previous menu is kept";
    if (m_config && m_configChanged) {
        m_config->set_languageId(m_configBefore.languageId);
        m_config->set_useFirstEnabled(m_configBefore.useFirst);
        m_config->set_groupDotsEnabled(m_configBefore.groupDots);
        m_config->set_splitViewEnabled(m_configBefore.splitView);
        m_config->set_individualDPEnabled(m_configBefore.individualDayParts);
        m_config->set_labelFontSize(m_configBefore.labelFontSize);
        m_config->set_productsHashCode(m_configBefore.productsHashCode);
        m_config->saveConfigFile();
        emit m_config->newConfigImported();
    }
    // A file that was saved with the new content gets the old one back; one whose save
    // failed kept it.
    if (m_menu && m_menuChanged) {
        m_menu->restoreRows(m_menuBefore);
        m_menu->undoLegacyListWrite();
        if (m_menuSaved || m_menu->isSaving())
            m_menu->saveProductsMenuJson();
    }
    if (m_dayParts && m_dayPartsChanged) {
        m_dayParts->restore(m_dayPartsBefore);
        if (m_dayPartsSaved || m_dayParts->isSaving())
            m_dayParts->saveDayPartFileJson();
    }
    end(false);
}

void MenuImportTransaction::end(bool ok)
{
    // Shown on the System Information page and kept in the settings file, so that the
    // menu in use can be told from the file it came from.
    if (ok && !m_digest.isEmpty() && m_config) {
        m_config->set_productsHashCode(m_digest);
        m_config->saveConfigFile();
    }
    m_running = false;
    m_pendingReports = 0;
    qDeleteAll(m_menuBefore);
    m_menuBefore.clear();
    emit finished(ok);
}
