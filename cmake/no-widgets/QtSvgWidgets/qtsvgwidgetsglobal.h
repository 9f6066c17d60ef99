// Stands before Qt's own header of the same name on the include path of the
// core library: every header of QtSvgWidgets includes it first, so a core file that
// includes a widget header stops here.
#error "The core (src/core) has no widgets: move this code to src/gui or src/ui, or keep the widget out of it."
