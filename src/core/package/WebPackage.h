#pragma once

#include "package/PackageFields.h"
#include "package/WebFolder.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumidex::package {

// The folder of the program folder that keeps the packages made.
inline constexpr auto packagesFolderName = "Pacchetti";

// What the cover of a package says.
struct PackageCover {
    QString client;
    QString note;
    QString agencyLine;
    QDate date;
};

// One model of a package: the name, the chosen fields with their values, the
// card's photo and the attached pictures to show (files, which may be missing).
struct PackageModel {
    QString name;
    QList<ShownField> fields;
    QString photoPath;
    QStringList picturePaths;
};

// Writes the package as a web folder "Pacchetti/<client>_<yyyy-mm-dd>" (or
// " (2)", ...) in `programDir`: index.html with a grid of the models, a page per
// model with its large photo, fields and pictures, the pictures as JPEG files of
// at most webPictureSide pixels, one style sheet. `step` hears of every model
// written and may stop the work; a package stopped or failed leaves no folder.
WebOutcome writeWebPackage(
    const QString& programDir, const PackageCover& cover, const QList<PackageModel>& models, const WorkStep& step);

} // namespace lumidex::package
