#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace lumidex::backup {

// How often leaving the program reminds the user of a backup that is due.
enum class Reminder { Never, Daily, Weekly, Monthly };

// What the backup window keeps between runs, in "Lumidex.ini" in the program
// folder, so that it travels with the folder: where the backups go, how often
// to remind, how many to keep there, whether packages, galleries and exports go
// in too, and when and where the last one was made.
struct Settings {
    QString targetFolder;
    Reminder reminder = Reminder::Weekly;
    // The newest backups kept in the target folder; 0 keeps them all.
    int keep = 10;
    bool includeOutputs = false;
    // Invalid before the first backup.
    QDateTime lastBackup;
    QString lastBackupFile;

    friend bool operator==(const Settings&, const Settings&) = default;
};

inline constexpr auto settingsFileName = "Lumidex.ini";
// The most backups the window offers to keep.
inline constexpr int mostKept = 999;

QString settingsPath(const QString& programDir);

// The settings of the folder; what is missing or unreadable reads as its
// default. Nothing when the file is there but cannot be read.
std::optional<Settings> readSettings(const QString& programDir);
// The settings from the INI text `ini` (the file's bytes).
Settings settingsFrom(QByteArrayView ini);
// `ini` with the backup's keys set to `settings`; every other line kept.
QByteArray withSettings(QByteArrayView ini, const Settings& settings);
// Writes the settings into the folder's file, keeping what else it holds,
// through a safe write. On failure returns false and, if asked, the reason.
bool writeSettings(const QString& programDir, const Settings& settings, QString* reason = nullptr);

} // namespace lumidex::backup
