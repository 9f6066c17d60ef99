#pragma once

#include "common/FailureCause.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace lumidex {

// The password store of an installation: the INI file "unins000.dll" in the
// program folder, whose key "Valore" in section "Accesso" holds the scrambled
// access password. Each operation opens the file, does its work and lets it go,
// so a change made by another window is always seen.
class PasswordStore {
public:
    static constexpr char16_t fileName[] = u"unins000.dll";

    explicit PasswordStore(const QString& programDir);

    QString filePath() const { return m_filePath; }

    // The scrambled value as stored; a missing file, section or key reads as an
    // empty value. Nothing when the file is there but cannot be read.
    std::optional<QString> readValue() const;

    // Writes the value, creating the file, section or key as needed. False when
    // the store cannot be written, with the cause if asked; the file then keeps
    // its former contents.
    [[nodiscard]] bool writeValue(const QString& scrambled, FailureCause* cause = nullptr) const;

    // The stored password, unscrambled and trimmed: what a typed password, once
    // normalised, is compared with. Nothing when the store cannot be read or its
    // value is not hexadecimal.
    std::optional<QString> readPassword() const;

    // Normalises, scrambles and writes a new password. Refuses, without touching
    // the store, a password that could not be read back (see isStorable()).
    [[nodiscard]] bool writePassword(QStringView clear, FailureCause* cause = nullptr) const;

private:
    QString m_filePath;
};

} // namespace lumidex
