#pragma once

#include <QString>

// The slideshow window's words.
namespace lumidex::slideshowtext {

// The tip of the button that moves on to the next photo.
QString nextPhotoTip();

} // namespace lumidex::slideshowtext
