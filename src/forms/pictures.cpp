#include "forms/pictures.h"

#include <QLatin1String>
#include <QPixmap>

namespace {

QImage resourceImage(const QString &file, QImage::Format format)
{
    return QImage(QStringLiteral(":/pictures/") + file).convertToFormat(format);
}

// Image-list keys and their files.
struct ToolbarFile {
    const char *key;
    const char *file;
};
constexpr ToolbarFile kToolbarFiles[] = {{"New", "new"},
                                         {"Open", "open"},
                                         {"Save", "save"},
                                         {"Print", "print"},
                                         {"Line Style", "line-style"},
                                         {"Properties", "properties"},
                                         {"Drawing", "drawing"}};

} // namespace

namespace pictures {

QImage dotImage(QRgb fill, QRgb outline)
{
    const QRgb green = qRgb(0, 255, 0), black = qRgb(0, 0, 0);
    QImage img = resourceImage(QStringLiteral("green-dot.png"), QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y);
            if (px == green)
                img.setPixel(x, y, fill | 0xff000000u);
            else if (px == black)
                img.setPixel(x, y, outline);
        }
    return img;
}

QImage greenDotImage()
{
    return dotImage(qRgb(0, 255, 0));
}

QImage toolbarImage(const QString &key, int scale)
{
    if (scale != 1 && scale != 2) return QImage();
    for (const ToolbarFile &f : kToolbarFiles)
        if (key == QLatin1String(f.key))
            return resourceImage(QLatin1String(f.file) + (scale == 2 ? QStringLiteral("@2x.png")
                                                                     : QStringLiteral(".png")),
                                 QImage::Format_ARGB32);
    return QImage();
}

QIcon toolbarIcon(const QString &key, const QPalette &palette)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        const QImage picture = toolbarImage(key, scale);
        if (picture.isNull()) return QIcon();
        QPixmap pixmap = QPixmap::fromImage(standingOutOnButton(picture, palette, scale));
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QImage splashLogo()
{
    return resourceImage(QStringLiteral("splash-logo.png"), QImage::Format_RGB888);
}

} // namespace pictures
