// The look the game's dialogs share: the grey background of palette colour 7,
// the small bold sans-serif font and raised borders around groups of controls.
#pragma once

class QPainter;
class QRect;
class QWidget;

namespace splot {

void applyDialogStyle(QWidget& dialog);
// The raised one-pixel border the dialogs draw around a group of controls
// (white at the top and left, dark grey at the bottom and right); logical pixels.
void drawRaisedBorder(QPainter& painter, const QRect& rectPx);

} // namespace splot
