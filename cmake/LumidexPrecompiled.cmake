# Headers compiled once per target instead of once per file: most of a debug
# build's time went into reading the same Qt headers for every source. The lists
# hold only headers that most files of a layer include anyway, so a file that
# forgets an include of its own is still caught by the sanitizer build, which
# compiles without them (CMAKE_DISABLE_PRECOMPILE_HEADERS in its preset).
set(LUMIDEX_CORE_PRECOMPILED_HEADERS
  <QByteArray> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QImage>
  <QList> <QObject> <QPainter> <QString> <QStringList> <QStringView>)
set(LUMIDEX_UI_PRECOMPILED_HEADERS ${LUMIDEX_CORE_PRECOMPILED_HEADERS}
  <QDialog> <QFrame> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QPushButton>
  <QToolButton> <QVBoxLayout> <QWidget>)
