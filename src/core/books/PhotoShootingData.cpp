#include "books/PhotoShootingData.h"

#include "common/Formatting.h"
#include "common/Text.h"
#include "storage/TextField.h"

#include <QFile>
#include <QStringList>
#include <exception>
#include <exiv2/exiv2.hpp>
#include <string>

namespace lumidex::shooting {

namespace {

// EXIF texts are meant to be plain ASCII; some cameras and programs write UTF-8,
// older ones their own 8-bit code page.
QString decodeExifText(const std::string& bytes)
{
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QString text = QString::fromUtf8(raw);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(raw);
    return text;
}

// One line the entry can store: control characters become blanks, runs of
// blanks one, and what the archive's code page cannot hold is left out.
QString cleanLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            line += QLatin1Char(' ');
        else if (textfield::isStorable(c))
            line += c;
    }
    return line.simplified();
}

// A word of a maker's name as compared: upper case, without its dots and commas.
QString wordKey(const QString& word)
{
    QString key = text::upperAscii(word);
    key.remove(QLatin1Char('.'));
    key.remove(QLatin1Char(','));
    return key;
}

// The company words that makers put after their name ("OLYMPUS IMAGING CORP.",
// "LEICA CAMERA AG"): the name reads well without them.
bool isCompanyWord(const QString& word)
{
    static const QStringList companyWords { QStringLiteral("CORPORATION"), QStringLiteral("CORP"), QStringLiteral("CO"),
        QStringLiteral("COLTD"), QStringLiteral("LTD"), QStringLiteral("INC"), QStringLiteral("COMPANY"),
        QStringLiteral("AG"), QStringLiteral("GMBH"), QStringLiteral("IMAGING"), QStringLiteral("OPTICAL"),
        QStringLiteral("CAMERA") };
    return companyWords.contains(wordKey(word));
}

QString exifText(const Exiv2::ExifData& exif, const char* key)
{
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    // A tag of another type than text (a damaged or odd file) says nothing usable.
    if (found == exif.end() || found->typeId() != Exiv2::asciiString)
        return {};
    return decodeExifText(found->toString());
}

bool isDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}

// The name cut to the field's capacity, at the end of a word where it has one.
QString fittedName(const QString& name, int capacity)
{
    if (name.size() <= capacity)
        return name;
    QString cut = name.left(capacity);
    if (name.at(capacity) != QLatin1Char(' ')) {
        const qsizetype blank = cut.lastIndexOf(QLatin1Char(' '));
        if (blank > 0)
            cut.truncate(blank);
    }
    return text::trimmed(cut);
}

} // namespace

QString cameraName(const QString& make, const QString& model)
{
    const QString cleanModel = cleanLine(model);
    QStringList makeWords = cleanLine(make).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (makeWords.isEmpty())
        return cleanModel;
    if (cleanModel.isEmpty())
        return makeWords.join(QLatin1Char(' '));

    // "NIKON CORPORATION" / "NIKON D850", "Eastman Kodak Company" / "KODAK DC290":
    // the model already names its maker.
    const QString modelFirst = wordKey(cleanModel.section(QLatin1Char(' '), 0, 0));
    for (const QString& word : std::as_const(makeWords)) {
        if (!wordKey(word).isEmpty() && wordKey(word) == modelFirst)
            return cleanModel;
    }
    while (makeWords.size() > 1 && isCompanyWord(makeWords.constLast()))
        makeWords.removeLast();
    return makeWords.join(QLatin1Char(' ')) + QLatin1Char(' ') + cleanModel;
}

QDate exifDate(const QString& text)
{
    const QString value = text::trimmed(text);
    if (value.size() < 10)
        return {};
    const QStringView view(value);
    const auto isSeparator
        = [](QChar c) { return c == QLatin1Char(':') || c == QLatin1Char('-') || c == QLatin1Char('/'); };
    if (!isDigits(view.mid(0, 4)) || !isSeparator(view[4]) || !isDigits(view.mid(5, 2)) || !isSeparator(view[7])
        || !isDigits(view.mid(8, 2)))
        return {};
    const int year = view.mid(0, 4).toInt();
    const QDate date(year, view.mid(5, 2).toInt(), view.mid(8, 2).toInt());
    // Cameras whose clock was never set write zeros.
    if (year == 0 || !date.isValid())
        return {};
    return date;
}

PhotoShootingData readShootingData(const QString& path)
{
    PhotoShootingData data;
    // exiv2 tells of every odd tag on the standard error; a photo that says
    // nothing useful is simply a photo without shooting data here.
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    try {
        // A local file only: no address is ever handed to exiv2's network access.
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString(), false);
        if (!image.get())
            return data;
        image->readMetadata();
        const Exiv2::ExifData& exif = image->exifData();
        if (exif.empty())
            return data;
        data.camera = cameraName(exifText(exif, "Exif.Image.Make"), exifText(exif, "Exif.Image.Model"));
        // The moment of the shot; a scanned or converted picture may carry only
        // the moment it was digitised. The file's own change date is not the shot.
        for (const char* key : { "Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized" }) {
            data.date = exifDate(exifText(exif, key));
            if (data.date.isValid())
                break;
        }
    } catch (const std::exception&) {
        // exiv2 throws on files it cannot read: missing, damaged, not a picture.
        return {};
    } catch (...) {
        // Whatever else a damaged file provokes in the parser costs only the data.
        return {};
    }
    return data;
}

ShootingFill fillEmptyFields(
    const PhotoShootingData& data, const QString& currentCamera, const QString& currentDate, int cameraCapacity)
{
    ShootingFill fill;
    const QString camera = fittedName(text::trimmed(data.camera), cameraCapacity);
    const QString date = data.date.isValid() ? formatShortDate(data.date) : QString();

    const QString typedCamera = text::trimmed(currentCamera);
    if (typedCamera.isEmpty()) {
        fill.camera = camera;
        fill.cameraMissing = camera.isEmpty();
    } else if (!camera.isEmpty() && camera != typedCamera) {
        fill.keptCamera = camera;
    }

    const QString typedDate = text::trimmed(currentDate);
    if (typedDate.isEmpty()) {
        fill.date = date;
        fill.dateMissing = date.isEmpty();
    } else if (!date.isEmpty() && date != typedDate) {
        fill.keptDate = date;
    }
    return fill;
}

} // namespace lumidex::shooting
