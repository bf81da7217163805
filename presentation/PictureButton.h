// Pictures on the booth (the booth itself, characters, pump, title) and the
// picture buttons of the button column: a normal face with its pressed face
// lying exactly on top of it, hidden at rest.
#pragma once

#include "assets/Pictures.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

namespace splot {

// The last rendering of a picture, kept while its size and pixel ratio stay:
// a zoomed booth is larger than the shared pixmap cache likes to hold.
class RenderedPicture {
  public:
    // The picture (or character frame, when frame >= 0) at `size` and `ratio`.
    const QPixmap& get(pictures::Picture picture, int frame, QSize size, qreal ratio);

  private:
    QPixmap pixmap_;
    pictures::Picture picture_ = pictures::Picture::Booth;
    int frame_ = -2;
    QSize size_;
    qreal ratio_ = 0;
};

// A picture drawn at the widget's size and the screen's pixel ratio: one of
// the picture store's pictures, or a character frame (0..17). It is rendered
// from its SVG at that size, so it stays sharp when the scene is zoomed.
class PictureWidget : public QWidget {
    Q_OBJECT
  public:
    explicit PictureWidget(pictures::Picture picture, QWidget* parent = nullptr);
    // A character: shows frame `frame` of the picture store.
    explicit PictureWidget(int characterFrame, QWidget* parent = nullptr);

    void setCharacterFrame(int frame);
    int characterFrame() const { return frame_; } // -1 for a plain picture

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    pictures::Picture picture_ = pictures::Picture::Booth;
    int frame_ = -1;
    RenderedPicture rendered_;
};

// A push button made of two faces. Any mouse button presses it; dragging off
// releases the look, dragging back presses it again; releasing over it (in the
// pressed state) restores the face and then emits clicked(). Releasing after
// dragging off does nothing. Screen readers press it through clicked() too.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    PictureButton(pictures::Picture normal, pictures::Picture pressed, QWidget* parent = nullptr);

    // The pressed flag: set while the button is held with the pointer over it.
    bool pressedFlag() const { return flag_; }
    // The pressed face (PicBut(index + 1)).
    PictureWidget* pressedFace() const { return pressedFace_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void setFlag(bool pressed);

    pictures::Picture normal_;
    RenderedPicture rendered_;
    PictureWidget* pressedFace_;
    bool flag_ = false;
};

} // namespace splot
