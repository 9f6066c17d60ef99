// Built as a core file: must not compile, since the core has no widgets.
#include "common/Text.h"

#include <QtWidgets/QWidget>
