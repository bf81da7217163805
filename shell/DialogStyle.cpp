// The look the game's dialogs share: grey, a small bold font, raised borders.
#include "shell/DialogStyle.h"

#include "platform/Types.h"
#include "presentation/Bevel.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace splot {

void applyDialogStyle(QWidget& dialog)
{
    const Rgb grey = qbColor(7);
    QPalette pal = dialog.palette();
    pal.setColor(QPalette::Window, QColor(grey.r, grey.g, grey.b));
    pal.setColor(QPalette::Button, QColor(grey.r, grey.g, grey.b));
    dialog.setPalette(pal);
    dialog.setAutoFillBackground(true);

    QFont f = dialog.font();
    f.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    f.setBold(true);
    dialog.setFont(f);
}

void drawRaisedBorder(QPainter& painter, const QRect& r)
{
    // In twips, as the bevel edges take them.
    const double x = r.left() * kTwipsPerPixel;
    const double y = r.top() * kTwipsPerPixel;
    const double w = r.width() * kTwipsPerPixel;
    const double h = r.height() * kTwipsPerPixel;
    links_oben(painter, x, w, y, h, 15, 1);
    rechts_unten(painter, x, w, y, h, 8, 1);
}

} // namespace splot
