// splot_iconrender: renders the scalable icon to the PNG sizes of the hicolor icon theme at build time.
//
//   splot_iconrender <icon.svg> <output folder> <icon name> <size>...
//
// writes <output folder>/<size>x<size>/apps/<icon name>.png for every size. The picture keeps its
// proportions and is centred on a transparent square. Exits with 1 on any failure.
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QMessageLogContext>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace splot {
namespace {

constexpr int kSmallestSize = 8;
constexpr int kLargestSize = 1024;

// Qt's own messages pass through, except the note that a build step has no runtime folder.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int fail(const QString& message)
{
    std::fprintf(stderr, "splot_iconrender: %s\n", qPrintable(message));
    return 1;
}

bool renderOne(QSvgRenderer& renderer, int size, const QString& path)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    return image.save(path, "PNG");
}

int run(const QStringList& args)
{
    if (args.size() < 5)
        return fail(
            QStringLiteral("usage: splot_iconrender <icon.svg> <output folder> <icon name> <size>..."));
    const QString source = args.at(1);
    const QDir outputRoot(args.at(2));
    const QString iconName = args.at(3);

    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read the picture %1").arg(source));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    for (qsizetype i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size < kSmallestSize || size > kLargestSize)
            return fail(QStringLiteral("not a usable icon size: %1").arg(args.at(i)));
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!outputRoot.mkpath(folder))
            return fail(QStringLiteral("cannot make the folder %1").arg(outputRoot.filePath(folder)));
        const QString path =
            outputRoot.filePath(folder + QLatin1Char('/') + iconName + QStringLiteral(".png"));
        if (!renderOne(renderer, size, path))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    return 0;
}

} // namespace
} // namespace splot

int main(int argc, char* argv[])
{
    // A build step has no screen: the offscreen platform still gives SVG text its fonts.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qInstallMessageHandler(splot::filterMessages);
    QGuiApplication app(argc, argv);
    return splot::run(QGuiApplication::arguments());
}
