// The pictures rendered from their scalable sources in the resource, at the
// logical size of each and the screen's device pixel ratio.
#include "assets/Pictures.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>

namespace splot::pictures {

namespace {

struct Entry {
    Picture picture;
    const char* name;
    const char* path;
    QSize size;
};

// One row per picture: its name, its SVG source in the resource and its size in logical pixels.
const Entry entries[] = {
    {Picture::Booth, "booth", ":/pictures/booth.svg", {543, 345}},
    {Picture::Title, "title", ":/pictures/title.svg", {466, 56}},
    {Picture::Side, "side", ":/pictures/side.svg", {80, 216}},
    {Picture::StartButton, "start", ":/pictures/button-start.svg", {36, 36}},
    {Picture::StartButtonPressed, "start-pressed", ":/pictures/button-start-pressed.svg", {36, 36}},
    {Picture::EndButton, "end", ":/pictures/button-end.svg", {36, 36}},
    {Picture::EndButtonPressed, "end-pressed", ":/pictures/button-end-pressed.svg", {36, 36}},
    {Picture::HintButton, "hint", ":/pictures/button-hint.svg", {36, 36}},
    {Picture::HintButtonPressed, "hint-pressed", ":/pictures/button-hint-pressed.svg", {36, 36}},
    {Picture::PluminNeutral, "plumin-neutral", ":/pictures/plumin-neutral.svg", {20, 20}},
    {Picture::PluminPlus, "plumin-plus", ":/pictures/plumin-plus.svg", {20, 20}},
    {Picture::PluminMinus, "plumin-minus", ":/pictures/plumin-minus.svg", {20, 20}},
    {Picture::Pump0, "pump0", ":/pictures/pump0.svg", {32, 32}},
    {Picture::Pump1, "pump1", ":/pictures/pump1.svg", {32, 32}},
    {Picture::About1, "about1", ":/pictures/about1.svg", {64, 64}},
    {Picture::About2, "about2", ":/pictures/about2.svg", {64, 64}},
    {Picture::Icon, "icon", ":/icons/splotchery.svg", {64, 64}},
};

const Entry* find(Picture p)
{
    for (const Entry& e : entries) {
        if (e.picture == p)
            return &e;
    }
    return nullptr;
}

int scaled(int logical, qreal dpr)
{
    const long n = std::lrint(static_cast<double>(logical) * dpr);
    return n < 1 ? 1 : static_cast<int>(n);
}

// Renders the SVG file (or the part of it in viewBox, when given) into a transparent pixmap of
// logical size `size` at the device pixel ratio `dpr`.
QPixmap render(const QString& path, QSize size, qreal dpr, const QRectF& viewBox = {})
{
    if (!(dpr > 0))
        dpr = 1;
    const QString key = QStringLiteral("splot:%1:%2,%3,%4,%5:%6:%7x%8")
                            .arg(path)
                            .arg(viewBox.x())
                            .arg(viewBox.y())
                            .arg(viewBox.width())
                            .arg(viewBox.height())
                            .arg(dpr)
                            .arg(size.width())
                            .arg(size.height());
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    if (viewBox.isValid())
        renderer.setViewBox(viewBox);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);

    QImage image(scaled(size.width(), dpr), scaled(size.height(), dpr), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, image.width(), image.height()));
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

QSize logicalSize(Picture p)
{
    const Entry* e = find(p);
    return e ? e->size : QSize();
}

QString resourcePath(Picture p)
{
    const Entry* e = find(p);
    return e ? QString::fromLatin1(e->path) : QString();
}

QString name(Picture p)
{
    const Entry* e = find(p);
    return e ? QString::fromLatin1(e->name) : QString();
}

QPixmap pixmap(Picture p, qreal devicePixelRatio)
{
    return pixmap(p, logicalSize(p), devicePixelRatio);
}

QPixmap pixmap(Picture p, QSize size, qreal devicePixelRatio)
{
    const Entry* e = find(p);
    if (!e || size.isEmpty())
        return {};
    return render(QString::fromLatin1(e->path), size, devicePixelRatio);
}

QPixmap characterFrame(int frame, qreal devicePixelRatio)
{
    return characterFrame(frame, characterSize, devicePixelRatio);
}

QPixmap characterFrame(int frame, QSize size, qreal devicePixelRatio)
{
    if (frame < 0 || frame >= characterFrameCount)
        return {};
    // One SVG strip per painter, its nine poses side by side, characterStride units apart.
    const bool blue = frame >= characterPoseCount;
    const int pose = frame % characterPoseCount;
    const QString path =
        blue ? QStringLiteral(":/pictures/painter-blue.svg") : QStringLiteral(":/pictures/painter-red.svg");
    const QRectF box(pose * characterStride, 0, characterSize.width(), characterSize.height());
    return render(path, size, devicePixelRatio, box);
}

QIcon appIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        QSvgRenderer renderer(QStringLiteral(":/icons/splotchery.svg"));
        if (!renderer.isValid())
            return icon;
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QString soundResource(const std::string& fileName)
{
    return QStringLiteral(":/sounds/") + QString::fromStdString(fileName);
}

} // namespace splot::pictures
