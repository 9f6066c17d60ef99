#include "shell/password/PasswordStore.h"

#include "common/Text.h"

#include "shell/password/PasswordText.h"
#include "shell/password/Scrambler.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryFile>

namespace lumidex {
namespace {

const QString valueKey = QStringLiteral("Accesso/Valore");

} // namespace

PasswordStore::PasswordStore(const QString& programDir)
    : m_filePath(QDir(programDir).filePath(QString::fromUtf16(fileName)))
{ }

std::optional<QString> PasswordStore::readValue() const
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    const QVariant stored = settings.value(valueKey, QString());
    // The INI reader splits a value at commas; joined back, a damaged value still
    // reads as damaged instead of as an empty password.
    const QString value
        = stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(u',') : stored.toString();
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    return value;
}

bool PasswordStore::writeValue(const QString& scrambled) const
{
    // QSettings keeps a change it could not write pending for the rest of the run,
    // and every later read of that file would then fail: a password change on a
    // write-protected folder would lock the user out. So the change is made on a
    // private copy beside the store, and only a complete copy replaces the store.
    QByteArray current;
    if (QFile::exists(m_filePath)) {
        QFile original(m_filePath);
        if (!original.open(QIODevice::ReadOnly))
            return false;
        current = original.readAll();
    }

    QTemporaryFile copy(m_filePath + QStringLiteral(".XXXXXX"));
    if (!copy.open() || copy.write(current) != current.size() || !copy.flush())
        return false;
    copy.close();
    {
        QSettings settings(copy.fileName(), QSettings::IniFormat);
        settings.setValue(valueKey, scrambled);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    QFile written(copy.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray changed = written.readAll();

    QSaveFile store(m_filePath);
    if (!store.open(QIODevice::WriteOnly) || store.write(changed) != changed.size())
        return false;
    return store.commit();
}

std::optional<QString> PasswordStore::readPassword() const
{
    const std::optional<QString> value = readValue();
    if (!value)
        return std::nullopt;
    const std::optional<QString> clear = scrambler::unscramble(*value);
    if (!clear)
        return std::nullopt;
    return text::trimmed(*clear);
}

bool PasswordStore::writePassword(QStringView clear) const
{
    const QString password = passwordtext::normalised(clear);
    if (!passwordtext::isStorable(password))
        return false;
    return writeValue(text::trimmed(scrambler::scramble(password)));
}

} // namespace lumidex
