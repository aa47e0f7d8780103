#include "app/Artwork.h"

#include "app/Product.h"
#include "platform/FileCopy.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFont>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace Artwork {

namespace {

const QColor Amber(0xff, 0xb0, 0x20);
const QColor SteelDark(0x16, 0x1b, 0x22);
const QColor SteelLight(0x3a, 0x44, 0x52);

void paintBackground(QPainter& p, const QRect& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, SteelLight);
    g.setColorAt(1, SteelDark);
    p.fillRect(r, g);
    // Thin diagonal lines, like brushed metal.
    p.setPen(QColor(255, 255, 255, 14));
    for (int x = -r.height(); x < r.width(); x += 6)
        p.drawLine(x, r.bottom(), x + r.height(), r.top());
}

void paintCrosshair(QPainter& p, const QPointF& c, qreal radius)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Amber, radius / 9.0);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius, radius);
    const qreal gap = radius * 0.35;
    const qreal out = radius * 1.35;
    p.drawLine(QPointF(c.x() - out, c.y()), QPointF(c.x() - gap, c.y()));
    p.drawLine(QPointF(c.x() + gap, c.y()), QPointF(c.x() + out, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - out), QPointF(c.x(), c.y() - gap));
    p.drawLine(QPointF(c.x(), c.y() + gap), QPointF(c.x(), c.y() + out));
    p.setBrush(Amber);
    p.drawEllipse(c, radius / 9.0, radius / 9.0);
}

void paintTitle(QPainter& p, const QRect& r, int size, const QString& subtitle)
{
    QFont f(QStringLiteral("DejaVu Sans"), size, QFont::Black);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(r.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, Product::title().toUpper());
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, Product::title().toUpper());
    QFont small(QStringLiteral("DejaVu Sans"), qMax(7, size / 3));
    p.setFont(small);
    p.setPen(Amber);
    p.drawText(r.adjusted(2, 0, 0, -4), Qt::AlignLeft | Qt::AlignBottom, subtitle);
}

QPixmap picture(int w, int h, int titleSize, const QString& subtitle)
{
    QPixmap pm(w, h);
    QPainter p(&pm);
    paintBackground(p, pm.rect());
    const qreal radius = h * 0.28;
    paintCrosshair(p, QPointF(h * 0.55, h / 2.0), radius);
    paintTitle(p, QRect(int(h * 1.15), 0, w - int(h * 1.15), h - 8), titleSize, subtitle);
    p.setPen(QPen(Amber, 2));
    p.drawLine(0, h - 1, w, h - 1);
    return pm;
}

// Kept as BMP: reading it back is a copy, where a compressed picture would cost much of what
// drawing it does. Raise the revision when the drawing changes: the kept pictures of earlier
// versions are then drawn anew.
constexpr int DrawingRevision = 1;
constexpr QSize HeaderSize(498, 101);
constexpr QSize SplashSize(388, 138);

QPixmap cached(const QString& cacheDir, const char* name, const QString& text, QSize size,
               const std::function<QPixmap()>& draw)
{
    if (cacheDir.isEmpty())
        return draw();
    const QByteArray key =
        QStringLiteral("%1|%2|%3|%4").arg(QLatin1String(name), text, Product::version()).arg(DrawingRevision).toUtf8();
    const QString path = cacheDir + QLatin1Char('/') + QLatin1String(name) + QLatin1Char('-') +
                         QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16)) +
                         QStringLiteral(".bmp");
    QImageReader reader(path, "BMP");
    // A kept file cut short or of another size is no picture of ours: it is drawn again.
    if (reader.size() == size) {
        const QImage kept = reader.read();
        if (!kept.isNull() && kept.size() == size)
            return QPixmap::fromImage(kept);
    }
    const QPixmap pm = draw();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (QDir().mkpath(cacheDir) && buffer.open(QIODevice::WriteOnly) && pm.save(&buffer, "BMP"))
        FileCopy::writeWhole(path, bytes); // a picture that cannot be kept is drawn again next time
    return pm;
}

QString splashText()
{
    return QStringLiteral("version %1  -  loading...").arg(Product::version());
}

} // namespace

QPixmap header(const QString& subtitle, const QString& cacheDir)
{
    return cached(cacheDir, "header", subtitle, HeaderSize, [&subtitle] { return header(subtitle); });
}

QPixmap splash(const QString& cacheDir)
{
    return cached(cacheDir, "splash", splashText(), SplashSize, [] { return splash(); });
}

QPixmap header(const QString& subtitle)
{
    return picture(HeaderSize.width(), HeaderSize.height(), 30, subtitle);
}

QPixmap splash()
{
    return picture(SplashSize.width(), SplashSize.height(), 28, splashText());
}

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(SteelDark);
        p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        paintCrosshair(p, QPointF(size / 2.0, size / 2.0), size * 0.3);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace Artwork
