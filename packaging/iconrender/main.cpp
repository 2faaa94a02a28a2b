// glimmerkin-iconrender: draws the game's vector icon into square PNG files for the
// desktop's icon theme.
//
//   glimmerkin-iconrender ICON.svg SIZE OUTPUT.png
//
// The drawing keeps its proportions and sits centred on a transparent square.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "glimmerkin-iconrender: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: glimmerkin-iconrender ICON.svg SIZE OUTPUT.png"));

    bool sizeOk = false;
    const int size = args[2].toInt(&sizeOk);
    if (!sizeOk || size < 1 || size > 4096)
        return fail(QStringLiteral("bad size '%1'").arg(args[2]));

    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read '%1'").arg(args[1]));

    QSizeF drawn = renderer.viewBoxF().size();
    if (drawn.isEmpty())
        drawn = renderer.defaultSize();
    if (drawn.isEmpty())
        return fail(QStringLiteral("'%1' has no size").arg(args[1]));
    drawn.scale(size, size, Qt::KeepAspectRatio);
    const QRectF target((size - drawn.width()) / 2, (size - drawn.height()) / 2, drawn.width(), drawn.height());

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, target);
    }
    if (!image.save(args[3], "PNG"))
        return fail(QStringLiteral("cannot write '%1'").arg(args[3]));
    return 0;
}
