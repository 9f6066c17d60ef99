#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

namespace lumidex {

// The photo an editor shows, as large as the screen allows with its proportions
// kept. A click on the photo or on the panel around it closes the window.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget* parent = nullptr);

    // A copy of the picture the editor displays, its placeholder included; the
    // photo file is not read again.
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
