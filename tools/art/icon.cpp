// The application icon: the worm peeking out of its tunnel in a tile of brown earth under
// grass, written as SVG and rendered from that same SVG to PNG. Only features every SVG
// renderer shares (paths, ellipses, gradients; no clipping, masks or filters) are used.
#include "icon.h"

#include <QPainter>
#include <QPointF>
#include <QString>
#include <QSvgRenderer>

#include <cmath>

#include "paint.h"

namespace sb::art {
namespace {

// A coordinate with at most one decimal, "12" rather than "12.0".
QString Num(double value) {
  QString text = QString::number(value, 'f', 1);
  if (text.endsWith(".0")) text.chop(2);
  return text == "-0" ? QString("0") : text;
}

QString Hex(const QColor& colour) {
  return colour.name(QColor::HexRgb);
}

// The body rises out of the hole along one cubic curve, bottom to neck.
const QPointF kBody[4] = {{128, 224}, {128, 180}, {154, 170}, {136, 128}};

QPointF OnBody(double t) {
  const double s = 1.0 - t;
  return s * s * s * kBody[0] + 3 * s * s * t * kBody[1] + 3 * s * t * t * kBody[2] +
         t * t * t * kBody[3];
}

QString Defs(const WormPalette& worm) {
  return QString(R"svg(  <defs>
    <linearGradient id="earth" gradientUnits="userSpaceOnUse" x1="0" y1="40" x2="0" y2="240">
      <stop offset="0" stop-color="#a4683a"/>
      <stop offset="1" stop-color="#5a3218"/>
    </linearGradient>
    <linearGradient id="grass" gradientUnits="userSpaceOnUse" x1="0" y1="16" x2="0" y2="80">
      <stop offset="0" stop-color="#8ad655"/>
      <stop offset="1" stop-color="#3c9630"/>
    </linearGradient>
    <radialGradient id="skin" gradientUnits="userSpaceOnUse" cx="128" cy="104" r="50" fx="110" fy="82">
      <stop offset="0" stop-color="%1"/>
      <stop offset="0.55" stop-color="%2"/>
      <stop offset="1" stop-color="%3"/>
    </radialGradient>
  </defs>
)svg")
      .arg(Hex(worm.light), Hex(worm.mid), Hex(worm.dark));
}

QString Ground() {
  return R"svg(  <rect x="16" y="16" width="224" height="224" rx="44" fill="url(#earth)"/>
  <path d="M16 76 V60 A44 44 0 0 1 60 16 H196 A44 44 0 0 1 240 60 V76 Q226 88 212 76 Q198 64 184 76 Q170 88 156 76 Q142 64 128 76 Q114 88 100 76 Q86 64 72 76 Q58 88 44 76 Q30 64 16 76 Z" fill="url(#grass)"/>
  <g fill="#7a4824">
    <ellipse cx="52" cy="122" rx="9" ry="6"/>
    <ellipse cx="206" cy="138" rx="11" ry="7"/>
    <ellipse cx="48" cy="200" rx="7" ry="5"/>
    <ellipse cx="214" cy="206" rx="6" ry="4"/>
  </g>
  <g fill="#c08a5c">
    <ellipse cx="50" cy="119" rx="4" ry="2.5"/>
    <ellipse cx="203" cy="135" rx="5" ry="3"/>
  </g>
  <ellipse cx="128" cy="192" rx="64" ry="22" fill="#2a140a"/>
)svg";
}

QString Body(const WormPalette& worm) {
  const QString curve =
      QString("M%1 %2 C%3 %4 %5 %6 %7 %8")
          .arg(Num(kBody[0].x()), Num(kBody[0].y()), Num(kBody[1].x()), Num(kBody[1].y()),
               Num(kBody[2].x()), Num(kBody[2].y()), Num(kBody[3].x()), Num(kBody[3].y()));
  QString svg = QString(R"svg(  <path d="%1" fill="none" stroke="%2" stroke-width="62"/>
  <path d="%1" fill="none" stroke="%3" stroke-width="50"/>
  <path d="%1" fill="none" stroke="%4" stroke-width="7" stroke-opacity="0.7" transform="translate(-12 0)"/>
)svg")
                    .arg(curve, Hex(worm.outline), Hex(worm.mid), Hex(worm.light));
  // Ring creases across the body, bowed toward the head.
  for (double t : {0.3, 0.55, 0.8}) {
    const QPointF at = OnBody(t);
    QPointF tangent = OnBody(t + 0.01) - at;
    tangent /= std::hypot(tangent.x(), tangent.y());
    const QPointF normal(-tangent.y(), tangent.x());
    const QPointF a = at + 21.0 * normal;
    const QPointF b = at - 21.0 * normal;
    const QPointF c = at + 14.0 * tangent;
    svg +=
        QString(
            R"svg(  <path d="M%1 %2 Q%3 %4 %5 %6" fill="none" stroke="%7" stroke-width="5" stroke-linecap="round"/>
)svg")
            .arg(Num(a.x()), Num(a.y()), Num(c.x()), Num(c.y()), Num(b.x()), Num(b.y()),
                 Hex(worm.ring));
  }
  return svg;
}

// Earth in front of the hole hides the body below the hole's near rim.
QString FrontLip() {
  return R"svg(  <path d="M64 192 A64 22 0 0 0 192 192 V232 H64 Z" fill="url(#earth)"/>
  <path d="M68 199 A64 22 0 0 0 188 199" fill="none" stroke="#b77a48" stroke-width="5" stroke-linecap="round"/>
)svg";
}

QString Head(const WormPalette& worm) {
  QString cheek = worm.cheek.name(QColor::HexRgb);
  return QString(
             R"svg(  <circle cx="128" cy="104" r="46" fill="url(#skin)" stroke="%1" stroke-width="6"/>
  <ellipse cx="104" cy="76" rx="9" ry="5.5" fill="#ffffff" fill-opacity="0.45"/>
  <g fill="%2" fill-opacity="0.6">
    <ellipse cx="96" cy="120" rx="10" ry="6.5"/>
    <ellipse cx="160" cy="120" rx="10" ry="6.5"/>
  </g>
  <g fill="#ffffff" stroke="%1" stroke-width="4">
    <ellipse cx="112" cy="96" rx="13" ry="16"/>
    <ellipse cx="144" cy="96" rx="13" ry="16"/>
  </g>
  <g fill="%3">
    <ellipse cx="114" cy="100" rx="7.5" ry="9"/>
    <ellipse cx="146" cy="100" rx="7.5" ry="9"/>
  </g>
  <g fill="#ffffff">
    <circle cx="111" cy="95" r="3"/>
    <circle cx="143" cy="95" r="3"/>
  </g>
  <path d="M112 122 Q128 140 144 122" fill="none" stroke="%1" stroke-width="5" stroke-linecap="round"/>
)svg")
      .arg(Hex(worm.outline), cheek, Hex(worm.pupil));
}

}  // namespace

QByteArray IconSvg() {
  const WormPalette worm;
  QString svg = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <title>Sumburrow</title>
)svg";
  svg += Defs(worm) + Ground() + Body(worm) + FrontLip() + Head(worm) + "</svg>\n";
  return svg.toUtf8();
}

QImage RenderIcon(const QByteArray& svg, int size) {
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return {};
  QImage image = TransparentCanvas(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  renderer.render(&p, QRectF(0, 0, size, size));
  p.end();
  return image;
}

}  // namespace sb::art
