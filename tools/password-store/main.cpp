// Puts the password store of a new installation into a program folder: the
// scrambled initial password, written with the program's own routines. A store
// that is already there is left alone, so a changed password survives.

#include "password/PasswordStore.h"
#include "password/PasswordText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: lumidex_password_store <program folder>\n");
        return 2;
    }

    const QString programDir = arguments.at(1);
    const lumidex::PasswordStore store(programDir);
    const QFileInfo existing(store.filePath());
    if (existing.exists() || existing.isSymLink())
        return 0;

    if (!QDir().mkpath(programDir)
        || !store.writePassword(QString::fromUtf16(lumidex::passwordtext::initialPassword))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(QDir::toNativeSeparators(store.filePath())));
        return 1;
    }
    return 0;
}
