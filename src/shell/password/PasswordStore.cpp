#include "shell/password/PasswordStore.h"

#include "shell/password/PasswordText.h"
#include "shell/password/Scrambler.h"

#include <QDir>
#include <QSettings>

namespace lumidex
{
namespace
{

const QString valueKey = QStringLiteral("Accesso/Valore");

} // namespace

PasswordStore::PasswordStore(const QString& programDir)
    : m_filePath(QDir(programDir).filePath(QString::fromUtf16(fileName)))
{
}

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
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return false;
    settings.setValue(valueKey, scrambled);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<QString> PasswordStore::readPassword() const
{
    const std::optional<QString> value = readValue();
    if (!value)
        return std::nullopt;
    const std::optional<QString> clear = scrambler::unscramble(*value);
    if (!clear)
        return std::nullopt;
    return passwordtext::trimmed(*clear);
}

bool PasswordStore::writePassword(QStringView clear) const
{
    const QString password = passwordtext::normalised(clear);
    if (!passwordtext::isStorable(password))
        return false;
    return writeValue(passwordtext::trimmed(scrambler::scramble(password)));
}

} // namespace lumidex
