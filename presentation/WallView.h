// The wall `Bild`: a persistent drawing surface in twips (15 to a logical
// pixel, or 15 / z when the scene is zoomed by z) kept in a backing image at
// the screen's device pixel ratio. Every drawing operation since the last
// cls() is remembered, so the picture is redrawn sharply when the zoom, the
// screen's pixel ratio or the widget's size changes. Thin lines and the dotted
// cursor are snapped to whole device pixels, so they are even at any scale.
#pragma once

#include "platform/Canvas.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <vector>

class QPainter;

namespace splot {

class Spoken;

class WallView : public QWidget, public Canvas {
    Q_OBJECT
  public:
    explicit WallView(QWidget* parent = nullptr);

    // Canvas, in twips.
    void setForeColor(int qbIndex) override;
    void setFillColor(int qbIndex) override;
    void setFillStyle(int style) override;
    void setDrawWidth(int pixels) override;
    void setDrawStyle(int style) override;
    double scaleWidth() const override; // logical width x 15; 4300 at the design width
    void cls() override;
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2, bool filled) override;
    void circle(double cx, double cy, double radius) override;
    std::unique_ptr<Saved> save() const override;
    void restore(const Saved& saved) override;

    // Whether clicks and keys are passed on. The wall stays enabled, and keeps
    // the keyboard focus, while its input is off: a disabled widget would give
    // the focus away and nothing would take it back.
    void setInputEnabled(bool enabled) { inputEnabled_ = enabled; }
    bool inputEnabled() const { return inputEnabled_; }

    // The scene's zoom: one twip of the wall is z / 15 logical pixels. The
    // picture is drawn again at the new scale; the wall's units stay the same.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // A point on the widget (logical pixels) in the wall's units.
    QPointF toUnits(const QPointF& pixel) const;

    // The backing image (device pixels; its devicePixelRatio is set).
    QImage image() const;
    // The image pixel that holds the wall point (x, y) in twips.
    QPoint imagePixel(double x, double y) const;
    // The ratio the backing image is kept at: the screen's, or a fixed one.
    qreal pixelRatio() const;
    // Keeps the backing image at a fixed ratio (tests); 0 follows the screen again.
    void setPixelRatioOverride(qreal ratio);
    // The number of drawing operations remembered since the last cls().
    int operationCount() const { return static_cast<int>(ops_.size()); }

    // The wall in words, for screen readers (a table of cells; see
    // WallAccessible), and the cursor drawn: while the wall has the keyboard
    // focus, they hear the cursor's cell when it moved, or after a key.
    void setSpoken(const Spoken* spoken) { spoken_ = spoken; }
    const Spoken* spoken() const { return spoken_; }
    void cursorDrawn();
    // Screen readers are told that the cursor's cell has the focus.
    void tellCursorCell();

    // Classic key code of a Qt key: Home 36, End 35, PageUp 33, PageDown 34,
    // Left 37, Up 38, Right 39, Down 40, Enter 13, Space 32, letters and digits
    // their own codes, F1..F12 112..123; 0 for keys without one.
    static int classicKeyCode(int qtKey);
    // The Latin letter on the letter key with this native scan code, or 0.
    static int letterAt(quint32 scanCode);

    QSize sizeHint() const override;

  signals:
    // Any mouse button pressed on the wall, at (x, y) in twips.
    void mousePressed(double x, double y);
    // A key pressed while the wall has the focus, as a classic key code.
    void keyPressed(int keyCode);
    // A screen reader key: L, T, R, C, D as their codes, or an arrow's code
    // with Ctrl held (`jump`). Sent also while the wall's input is off.
    void readingKey(int keyCode, bool jump);
    // Screen readers were told that this cell (row x N + column, from 0) has the focus.
    void cellTold(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    struct PenState {
        int foreColor = 0;
        int fillColor = 0;
        int fillStyle = Transparent;
        int drawWidth = 1;
        int drawStyle = SolidPen;
    };
    enum class OpKind { Line, Box, FilledBox, Circle };
    struct Op {
        OpKind kind;
        double a, b, c, d;
        PenState pen;
    };

    struct SavedPicture;

    void record(OpKind kind, double a, double b, double c, double d);
    void paintOp(QPainter& painter, const Op& op) const;
    bool ensureImage(); // true when the picture was drawn again
    void rebuildImage();
    QRect dirtyRect(const Op& op) const;
    void dropCoveredOutlines(const Op& box);

    PenState pen_;
    std::vector<Op> ops_;
    QImage image_;
    double imageZoom_ = 1; // the zoom image_ was drawn at
    double zoom_ = 1;
    qreal ratioOverride_ = 0;
    bool inputEnabled_ = true;
    const Spoken* spoken_ = nullptr;
    int spokenCell_ = -1; // the cell screen readers were last told of, on a wall this big
    int spokenSize_ = 0;
    bool keyPressed_ = false; // a key since then: its cell is told again
};

} // namespace splot
