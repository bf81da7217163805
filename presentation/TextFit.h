// Texts that must fit the room they were laid out for: a translation may be
// longer than the English the dialogs were drawn around. A text that does not
// fit is set a half point smaller at a time, down to a floor; a label that is
// tall enough for more lines then wraps instead. Nothing is cut.
#pragma once

class QFont;
class QWidget;

namespace splot {

// Whether the text of a label, check box, radio button or push button needs
// more width (or, for a wrapping label, more height) than the widget has, or
// a plain text box needs its scroll bar. Widgets without text never overflow.
bool textOverflows(const QWidget* widget);

// Makes the widget's text fit, starting again from the font it had the first
// time it was fitted (so a shorter text gets the full size back).
void fitText(QWidget* widget);

// fitText again from a new font (the scene drawn at another size).
void refitText(QWidget* widget, const QFont& base);

// fitText for `root` and every widget inside it.
void fitTexts(QWidget* root);

} // namespace splot
