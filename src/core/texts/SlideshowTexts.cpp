#include "texts/SlideshowTexts.h"

namespace lumidex::slideshowtext {

QString nextPhotoTip()
{
    return QStringLiteral("Mostra la foto successiva.");
}

} // namespace lumidex::slideshowtext
