#ifndef SETTINGSTRANSACTION_H
#define SETTINGSTRANSACTION_H

#include <QByteArray>

class ConfigurationManager;

// A change of settings that counts only once it is on disk. Opened before the setters run,
// it holds back what would tell the cloud of the change; commit() saves, then lets the
// reports go. When the save fails, or the transaction ends without commit(), the values
// it started from come back and nothing is reported.
class SettingsTransaction
{
public:
    explicit SettingsTransaction(ConfigurationManager *config);
    ~SettingsTransaction();
    SettingsTransaction(const SettingsTransaction &) = delete;
    SettingsTransaction &operator=(const SettingsTransaction &) = delete;

    // Saves the settings file; false (with the old values back) when it was not written.
    bool commit();

private:
    void rollBack();

    ConfigurationManager *m_config;
    QByteArray m_before;
    bool m_open = true;
};

#endif // SETTINGSTRANSACTION_H
