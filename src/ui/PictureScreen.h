#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace lumidex {

// A maximised modal window showing one picture as large as the screen allows
// with its proportions kept, on the steel-blue gradient; a click on the picture
// or on the panel around it closes the window. The zoom and the slideshows are
// such windows.
class PictureScreen : public QDialog {
    Q_OBJECT
public:
    PictureScreen(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    // The picture shown (a copy).
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    QWidget* panFoto = nullptr;
    QLabel* imgFoto = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placePanel();
    void showPicture();

    QImage m_picture;
};

} // namespace lumidex
