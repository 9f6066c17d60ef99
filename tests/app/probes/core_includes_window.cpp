// Built as a core file: must not compile, since no window is within the core's reach.
#include "common/Text.h"

#include "gui/editor/CardEditor.h"
