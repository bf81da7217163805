// Texts fitted to their room: a smaller font half a point at a time, or wrapping.
#include "presentation/TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>
#include <QVariant>

#include <algorithm>

namespace splot {

namespace {

// The smallest a fitted font gets: three quarters of its size, never below 6 points.
constexpr double kSmallestShare = 0.75;
constexpr double kSmallestPoints = 6.0;
constexpr double kStep = 0.5;
const char* const kBaseFont = "splotFittedFrom";

// The text as drawn: a single & marks the mnemonic and is not shown.
QString shownText(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&') {
                out += text[i];
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool labelOverflows(const QLabel* label)
{
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
        return false;
    const QRect room = label->contentsRect();
    const int indent = label->indent() > 0 ? label->indent() : 0;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) > label->height();
    // The & of a mnemonic is drawn only as an underline, and only when the label has a buddy.
    const QString text = label->buddy() ? shownText(label->text()) : label->text();
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
    return widest + indent > room.width();
}

bool buttonOverflows(const QAbstractButton* button)
{
    if (button->text().isEmpty())
        return false;
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
        return button->sizeHint().width() > button->width();
    // A push button: its text and the style's margins at both sides.
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    return button->fontMetrics().horizontalAdvance(shownText(button->text())) + margin > button->width();
}

// A text box whose text, laid out line by line as the box lays it out (the
// font's leading between lines), needs its scroll bar. The lines are wrapped
// at the width left beside a scroll bar: a box that showed one keeps it until
// the text fits that narrower width.
bool textBoxOverflows(const QPlainTextEdit* box)
{
    const QString text = box->toPlainText();
    if (text.isEmpty())
        return false;
    const QRect room = box->contentsRect();
    const int margin = static_cast<int>(box->document()->documentMargin());
    const int scrollBar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
    const qreal width = room.width() - scrollBar - 2 * margin - box->cursorWidth();
    int height = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, box->font());
        layout.beginLayout();
        qreal block = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(width);
            block += line.height();
        }
        layout.endLayout();
        height += static_cast<int>(block);
    }
    // The document's margin above the first line and below the last.
    return height + 2 * margin > room.height();
}

} // namespace

bool textOverflows(const QWidget* widget)
{
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget))
        return textBoxOverflows(box);
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return labelOverflows(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return buttonOverflows(button);
    return false;
}

void fitText(QWidget* widget)
{
    const QVariant stored = widget->property(kBaseFont);
    if (!stored.isValid()) {
        if (!textOverflows(widget))
            return;
        widget->setProperty(kBaseFont, widget->font());
    }
    const QFont base = widget->property(kBaseFont).value<QFont>();
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && label->wordWrap())
        label->setWordWrap(false);
    widget->setFont(base);

    const double size = base.pointSizeF();
    // A text already below the floor (the scene drawn smaller) may shrink by the same share.
    const double smallest =
        size <= kSmallestPoints ? size * kSmallestShare : std::max(kSmallestPoints, size * kSmallestShare);
    for (double points = size - kStep; textOverflows(widget) && points >= smallest - 1e-9; points -= kStep) {
        QFont smaller = base;
        smaller.setPointSizeF(points);
        widget->setFont(smaller);
    }
    // A label with room for more lines wraps rather than stay too wide.
    if (label && textOverflows(label)) {
        label->setFont(base);
        label->setWordWrap(true);
        for (double points = size - kStep; textOverflows(label) && points >= smallest - 1e-9;
             points -= kStep) {
            QFont smaller = base;
            smaller.setPointSizeF(points);
            label->setFont(smaller);
        }
    }
}

void refitText(QWidget* widget, const QFont& base)
{
    widget->setProperty(kBaseFont, QVariant());
    widget->setFont(base);
    fitText(widget);
}

void fitTexts(QWidget* root)
{
    fitText(root);
    for (QWidget* child : root->findChildren<QWidget*>())
        fitText(child);
}

} // namespace splot
