#pragma once

#include <QDate>
#include <QString>

// What a camera wrote into a photo about the shot (its EXIF), and how "Carica foto"
// puts it into the empty fields of a book entry. The fields the user filled are
// never touched.
namespace lumidex::shooting {

struct PhotoShootingData {
    // Make and model as one name ("Canon EOS R5"); empty when the photo says nothing.
    QString camera;
    // The day the photo was taken; invalid when the photo says nothing usable.
    QDate date;
};

// Reads the shooting data of a photo file. A file without EXIF, a damaged or
// unreadable file, or one that is not a picture gives empty data.
PhotoShootingData readShootingData(const QString& path);

// The camera's name from the EXIF make and model: the two joined by a space,
// the make left out when the model already begins with it ("NIKON CORPORATION"
// and "NIKON D850" give "NIKON D850"); blanks and control characters at either
// end dropped, runs of blanks inside made one.
QString cameraName(const QString& make, const QString& model);

// An EXIF date and time ("2024:06:01 14:30:05"; dashes or slashes are taken
// too) as a day; an empty, zeroed or impossible date is invalid.
QDate exifDate(const QString& text);

// What loading a photo does to the entry's camera and date fields.
struct ShootingFill {
    // The texts to put into the fields; empty leaves a field as it is.
    QString camera;
    QString date;
    // What the photo says for fields left alone because the user had already
    // filled them with something else.
    QString keptCamera;
    QString keptDate;
    // The fields that were empty yet the photo had nothing for.
    bool cameraMissing = false;
    bool dateMissing = false;

    bool fillsSomething() const { return !camera.isEmpty() || !date.isEmpty(); }
};

// Fills only the fields whose trimmed text is empty: the camera cut to the
// field's capacity (at the end of a word, where it has one), the date as
// "dd/mm/yyyy".
ShootingFill fillEmptyFields(
    const PhotoShootingData& data, const QString& currentCamera, const QString& currentDate, int cameraCapacity);

} // namespace lumidex::shooting
