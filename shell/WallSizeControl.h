// The wall-size control of the settings dialog: the size display (Zahl) and
// the plus/minus picture (plumin) beside it, which steps the size from 6 to 15
// at a press and repeats while the press is held.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace splot {

class WallSizeControl : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kMinSize = 6;
    static constexpr int kMaxSize = 15;

    // Placed in its parent at the design place of the size display and the picture.
    explicit WallSizeControl(QWidget* parent);

    // The size display's text for a wall size: 8 gives " 8 x 8".
    static QString sizeText(int size);
    // The size the display shows.
    int size() const;
    // Shows `size` (brought into 6..15); a change is reported through sizeChanged.
    void setSize(int size);

    // One tick of the auto-repeat timer (Timer1): steps again in the direction of the held press.
    void plumin_Tick();
    // The press is over (the dialog hides): no more steps, the neutral picture
    // at the pixel ratio of the screen.
    void rest();

    QLabel* display() const { return zahl_; }       // Zahl
    QLabel* picture() const { return plumin_; }     // plumin (0)
    QTimer* repeatTimer() const { return timer1_; } // Timer1

  signals:
    void sizeChanged(int size);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void step();
    void showPicture(int which);
    void showText(const QString& text);

    // The last press on the picture, in twips relative to it.
    float pressX_ = 0;
    float pressY_ = 0;
    QLabel* zahl_ = nullptr;
    QLabel* plumin_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace splot
