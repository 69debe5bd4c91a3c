#include "ui/common/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace tav {
namespace {

const QColor kShieldTop(0xC8, 0x8A, 0x2C);
const QColor kShieldBottom(0x6B, 0x3A, 0x10);
const QColor kOutline(0x3A, 0x1E, 0x08);
const QColor kLetter(0xFF, 0xF2, 0xC8);

QPainterPath shieldPath(qreal s)
{
    QPainterPath path;
    path.moveTo(s * 0.5, s * 0.04);
    path.lineTo(s * 0.92, s * 0.2);
    path.quadTo(s * 0.9, s * 0.72, s * 0.5, s * 0.96);
    path.quadTo(s * 0.1, s * 0.72, s * 0.08, s * 0.2);
    path.closeSubpath();
    return path;
}

// The T as one outline, so no seam shows where its bar meets its stem.
QPainterPath letterPath(qreal s)
{
    const QPolygonF outline({{0.3, 0.26}, {0.7, 0.26}, {0.7, 0.37}, {0.555, 0.37},
                             {0.555, 0.72}, {0.445, 0.72}, {0.445, 0.37}, {0.3, 0.37}});
    QPainterPath path;
    path.addPolygon(outline * QTransform::fromScale(s, s));
    path.closeSubpath();
    return path;
}

qreal outlineWidth(qreal s)
{
    return qMax(1.0, s / 24);
}

QString number(qreal value)
{
    return QString::number(value, 'f', 2);
}

// SVG path data of a painter path; Qt keeps its curves as cubic Béziers.
QString svgPathData(const QPainterPath &path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(e.x) + QLatin1Char(' ') + number(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement: data += QLatin1String(i > 0 ? "ZM" : "M") + point; break;
        case QPainterPath::LineToElement: data += QStringLiteral("L") + point; break;
        case QPainterPath::CurveToElement: data += QStringLiteral("C") + point; break;
        case QPainterPath::CurveToDataElement: data += QLatin1Char(' ') + point; break;
        }
    }
    return data + QLatin1Char('Z');
}

} // namespace

QImage logoImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = shieldPath(side);
    // Top to bottom of the shield, as an SVG gradient in its bounding box runs.
    QLinearGradient shield(0, outline.boundingRect().top(), 0, outline.boundingRect().bottom());
    shield.setColorAt(0, kShieldTop);
    shield.setColorAt(1, kShieldBottom);
    p.setPen(QPen(kOutline, outlineWidth(side)));
    p.setBrush(shield);
    p.drawPath(outline);
    p.setPen(Qt::NoPen);
    p.setBrush(kLetter);
    p.drawPath(letterPath(side));
    return image;
}

QByteArray logoSvg(int side)
{
    const QString s = QString::number(side);
    const QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                       "  <defs>\n"
                       "    <linearGradient id=\"shield\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
                       "      <stop offset=\"0\" stop-color=\"%2\"/>\n"
                       "      <stop offset=\"1\" stop-color=\"%3\"/>\n"
                       "    </linearGradient>\n"
                       "  </defs>\n"
                       "  <path d=\"%4\" fill=\"url(#shield)\" stroke=\"%5\" stroke-width=\"%6\"/>\n"
                       "  <path d=\"%7\" fill=\"%8\"/>\n"
                       "</svg>\n")
            .arg(s, kShieldTop.name(), kShieldBottom.name(), svgPathData(shieldPath(side)), kOutline.name(),
                 number(outlineWidth(side)), svgPathData(letterPath(side)), kLetter.name());
    return svg.toUtf8();
}

} // namespace tav
