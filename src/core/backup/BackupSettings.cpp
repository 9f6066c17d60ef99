#include "backup/BackupSettings.h"

#include "password/IniText.h"
#include "storage/SafeWrite.h"

#include <QDir>
#include <QFile>

namespace lumidex::backup {

namespace {

constexpr QByteArrayView settingsSection = "CopiaSicurezza";

struct ReminderName {
    Reminder reminder;
    QByteArrayView name;
};
constexpr ReminderName reminderNames[] = {
    { Reminder::Never, "mai" },
    { Reminder::Daily, "giorno" },
    { Reminder::Weekly, "settimana" },
    { Reminder::Monthly, "mese" },
};

QByteArrayView nameOfReminder(Reminder reminder)
{
    for (const ReminderName& known : reminderNames)
        if (known.reminder == reminder)
            return known.name;
    return "settimana";
}

QString settingText(QByteArrayView ini, QByteArrayView key)
{
    return QString::fromUtf8(initext::value(ini, settingsSection, key).value_or(QByteArray()));
}

} // namespace

QString settingsPath(const QString& programDir)
{
    return QDir(programDir).filePath(QString::fromLatin1(settingsFileName));
}

Settings settingsFrom(QByteArrayView ini)
{
    Settings settings;
    settings.targetFolder = settingText(ini, "Cartella");
    const QByteArray reminder = settingText(ini, "Promemoria").toLatin1().toLower();
    for (const ReminderName& known : reminderNames)
        if (reminder == known.name)
            settings.reminder = known.reminder;
    bool number = false;
    const int keep = settingText(ini, "Conserva").toInt(&number);
    if (number && keep >= 0 && keep <= mostKept)
        settings.keep = keep;
    settings.includeOutputs = settingText(ini, "IncludiUscite") == QLatin1String("1");
    settings.lastBackup = QDateTime::fromString(settingText(ini, "Ultima"), Qt::ISODate);
    settings.lastBackupFile = settingText(ini, "UltimoFile");
    return settings;
}

QByteArray withSettings(QByteArrayView ini, const Settings& settings)
{
    QByteArray changed = ini.toByteArray();
    const auto set = [&](QByteArrayView key, const QByteArray& value) {
        changed = initext::withValue(changed, settingsSection, key, value);
    };
    // Quoted, so that blanks at either end of a folder name are kept.
    set("Cartella", '"' + settings.targetFolder.toUtf8() + '"');
    set("Promemoria", nameOfReminder(settings.reminder).toByteArray());
    set("Conserva", QByteArray::number(settings.keep));
    set("IncludiUscite", settings.includeOutputs ? "1" : "0");
    set("Ultima", settings.lastBackup.isValid() ? settings.lastBackup.toString(Qt::ISODate).toLatin1() : QByteArray());
    set("UltimoFile", '"' + settings.lastBackupFile.toUtf8() + '"');
    return changed;
}

std::optional<Settings> readSettings(const QString& programDir)
{
    const QString path = settingsPath(programDir);
    if (!QFile::exists(path))
        return Settings();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return settingsFrom(contents);
}

bool writeSettings(const QString& programDir, const Settings& settings, QString* reason)
{
    const QString path = settingsPath(programDir);
    QByteArray current;
    if (QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (reason)
                *reason = file.errorString();
            return false;
        }
        current = file.readAll();
    }
    FailureCause cause;
    if (safewrite::replaceFile(path, withSettings(current, settings), &cause))
        return true;
    if (reason)
        *reason = cause.isKnown() ? cause.words() : cause.detail();
    return false;
}

} // namespace lumidex::backup
