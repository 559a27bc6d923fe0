#ifndef PRELOADEDCONFIGS_H
#define PRELOADEDCONFIGS_H

#include <QString>
#include <QStringList>

class ConfigurationManager;

// The personality files preloaded on a display for its first start, one folder per
// customer group under "preloadedConfigs/" of the data root, named "CFG_<model>.hcc" (one
// display), "CFG_<model>_PRIMARY.hcc" and "CFG_<model>_MIRROR.hcc" or "_SECONDARY.hcc"
// (two displays). Group and model names reach paths: one holding "/", "\" or ".." (or
// NUL) is refused.
class PreloadedConfigs
{
public:
    static QString baseDir();
    static bool isSafeName(const QString &name);
    // The folder of a group; empty for an unsafe group name.
    static QString folderFor(const QString &group);

    static QStringList customConfigs();
    static QStringList customConfigModels(const QString &group);
    // 2 when a file name of the group's folder holds the model and "PRIMARY", else 1.
    static int displaysCount(const QString &group, const QString &model);
    // 1 when a file name of the group's folder holds the model and "SECONDARY", else 0.
    static int displaysLeftRight(const QString &group, const QString &model);
    static bool validateModelNumber(const QString &group, const QString &model);
    // The suffix of the file to install ("", "_PRIMARY", "_MIRROR", "_SECONDARY").
    static QString configFileName(const QString &group, const QString &model, int doubleSided, int side);

    struct Install {
        bool ok = false;
        QString installed;   // the path of the installed personality
        QString otherFile;   // on the primary side of two displays: the file for the other one
        QString failure;     // why nothing was installed
    };
    // Copies the chosen file into the data root. The other personality files are set
    // aside first (renamed, not deleted) and put back when the copy fails, so that a
    // failure leaves everything as it was.
    static Install install(const QString &group, const QString &model, int doubleSided, int side);

    // Deletes every personality of the data root; the number of files.
    static int removeInstalled();

    // The settings store's first-start operations: install the personality its dialogs
    // chose (model, group, displays, side) and, on the primary side of two displays,
    // become the master and send the other display its file; or delete the installed
    // personality. Both take effect at the next start.
    static bool setConfigurationFile(ConfigurationManager *config);
    static void resetConfiguration(ConfigurationManager *config);

private:
    static bool folderHasFileWith(const QString &group, const QString &model, const QString &kind);
    // The personality file names of a group's folder, sorted by name, with their model.
    static QList<QPair<QString, QString>> modelFiles(const QString &group);
    // The file names of a group's folder that hold the model's text, sorted by name.
    static QStringList fileNamesWith(const QString &group, const QString &model);
};

#endif // PRELOADEDCONFIGS_H
