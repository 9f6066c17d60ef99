#include "password/PasswordStore.h"

#include "common/Text.h"
#include "password/IniText.h"
#include "password/PasswordText.h"
#include "password/Scrambler.h"
#include "storage/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <cerrno>

namespace lumidex {

namespace {

constexpr QByteArrayView section = "Accesso";
constexpr QByteArrayView key = "Valore";

} // namespace

PasswordStore::PasswordStore(const QString& programDir)
    : m_filePath(QDir(programDir).filePath(QString::fromUtf16(fileName)))
{ }

std::optional<QString> PasswordStore::readValue() const
{
    if (!QFile::exists(m_filePath))
        return QString();
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    // The value is hexadecimal digits; any other byte is kept as it is, so that
    // a damaged value reads as damaged rather than as an empty password.
    return QString::fromLatin1(initext::value(contents, section, key).value_or(QByteArray()));
}

bool PasswordStore::writeValue(const QString& scrambled, FailureCause* cause) const
{
    QByteArray current;
    if (QFile::exists(m_filePath)) {
        QFile original(m_filePath);
        errno = 0;
        bool read = original.open(QIODevice::ReadOnly);
        if (read) {
            current = original.readAll();
            read = original.error() == QFileDevice::NoError;
        }
        if (!read) {
            if (cause)
                *cause = FailureCause::fromErrno(original.errorString());
            return false;
        }
    }
    // Only the value's line changes; a store that cannot be written whole keeps
    // the old password, which still opens the program.
    return safewrite::replaceFile(m_filePath, initext::withValue(current, section, key, scrambled.toLatin1()), cause);
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

bool PasswordStore::writePassword(QStringView clear, FailureCause* cause) const
{
    const QString password = passwordtext::normalised(clear);
    if (!passwordtext::isStorable(password))
        return false;
    return writeValue(text::trimmed(scrambler::scramble(password)), cause);
}

} // namespace lumidex
