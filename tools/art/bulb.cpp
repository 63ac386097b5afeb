// The tip-of-the-day bulb: a soft yellow glow with short rays, a lit glass with a filament and
// a highlight, and a grey screw base; drawn for a white panel.
#include "bulb.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "paint.h"

namespace sb::art {
namespace {

constexpr QPointF kGlassCentre(33.0, 30.5);
constexpr double kGlassRadius = 15.5;
constexpr double kNeckTop = kGlassCentre.y() + 15.0;  // where the glass meets the base
constexpr double kNeckHalf = 7.5;
const QColor kGlassEdge(196, 128, 12);

void DrawGlow(QPainter& p) {
  QRadialGradient glow(kGlassCentre, 30.0);
  glow.setColorAt(0.0, QColor(255, 240, 120, 210));
  glow.setColorAt(0.5, QColor(255, 226, 80, 110));
  glow.setColorAt(1.0, QColor(255, 220, 60, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(kGlassCentre, 30.0, 30.0);
}

// Seven short rays over the top half; none below, where the base is.
void DrawRays(QPainter& p) {
  p.setPen(QPen(QColor(250, 176, 20), 2.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 7; ++i) {
    const double angle = std::numbers::pi * (1.0 + i / 6.0);
    const QPointF unit(std::cos(angle), std::sin(angle));
    p.drawLine(kGlassCentre + 21.0 * unit, kGlassCentre + 27.5 * unit);
  }
}

QPainterPath GlassOutline() {
  const double r = kGlassRadius;
  QPainterPath path(QPointF(kGlassCentre.x() - kNeckHalf, kNeckTop));
  path.cubicTo(kGlassCentre.x() - kNeckHalf, kNeckTop - 6.0, kGlassCentre.x() - r,
               kGlassCentre.y() + 9.0, kGlassCentre.x() - r, kGlassCentre.y());
  path.arcTo(QRectF(kGlassCentre.x() - r, kGlassCentre.y() - r, 2 * r, 2 * r), 180.0, -180.0);
  path.cubicTo(kGlassCentre.x() + r, kGlassCentre.y() + 9.0, kGlassCentre.x() + kNeckHalf,
               kNeckTop - 6.0, kGlassCentre.x() + kNeckHalf, kNeckTop);
  path.closeSubpath();
  return path;
}

void DrawGlass(QPainter& p) {
  QRadialGradient lit(kGlassCentre, kGlassRadius + 4.0, kGlassCentre + QPointF(-4.0, -5.0));
  lit.setColorAt(0.0, QColor(255, 255, 236));
  lit.setColorAt(0.45, QColor(255, 238, 120));
  lit.setColorAt(1.0, QColor(252, 196, 40));
  p.setPen(QPen(kGlassEdge, 1.8));
  p.setBrush(lit);
  p.drawPath(GlassOutline());
  // The filament: two posts and a small coil between them.
  const double left = kGlassCentre.x() - 3.5;
  const double coil = kGlassCentre.y() + 5.0;
  QPainterPath filament(QPointF(left, kNeckTop));
  filament.lineTo(left, coil);
  for (int i = 0; i < 3; ++i) {
    const double x = left + i * 7.0 / 3.0;
    filament.quadTo(x + 7.0 / 6.0, coil - 4.0, x + 7.0 / 3.0, coil);
  }
  filament.lineTo(left + 7.0, kNeckTop);
  QRadialGradient hot(QPointF(kGlassCentre.x(), coil - 1.0), 6.0);
  hot.setColorAt(0.0, QColor(255, 255, 255, 230));
  hot.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(hot);
  p.drawEllipse(QPointF(kGlassCentre.x(), coil - 1.0), 6.0, 6.0);
  p.setPen(QPen(QColor(214, 120, 16), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(filament);
  p.setPen(QPen(QColor(255, 255, 255, 230), 2.6, Qt::SolidLine, Qt::RoundCap));
  const double r = kGlassRadius - 4.5;
  p.drawArc(QRectF(kGlassCentre.x() - r, kGlassCentre.y() - r, 2 * r, 2 * r), 110 * 16, 55 * 16);
}

void DrawBase(QPainter& p) {
  const QRectF screw(kGlassCentre.x() - kNeckHalf - 0.5, kNeckTop, 2 * kNeckHalf + 1.0, 12.0);
  QLinearGradient metal(screw.topLeft(), screw.topRight());
  metal.setColorAt(0.0, QColor(128, 134, 146));
  metal.setColorAt(0.4, QColor(232, 236, 242));
  metal.setColorAt(1.0, QColor(116, 122, 134));
  p.setPen(QPen(QColor(78, 82, 92), 1.2));
  p.setBrush(metal);
  p.drawRoundedRect(screw, 2.0, 2.0);
  p.setPen(QPen(QColor(90, 94, 104), 1.4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 1; i <= 3; ++i) {
    const double y = kNeckTop + i * 3.0;
    p.drawLine(QPointF(screw.left() + 1.0, y + 0.8), QPointF(screw.right() - 1.0, y - 0.8));
  }
  QPainterPath tip(QPointF(screw.left() + 3.0, screw.bottom()));
  tip.lineTo(screw.right() - 3.0, screw.bottom());
  tip.lineTo(kGlassCentre.x() + 2.0, screw.bottom() + 3.5);
  tip.lineTo(kGlassCentre.x() - 2.0, screw.bottom() + 3.5);
  tip.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(66, 68, 78));
  p.drawPath(tip);
}

}  // namespace

QImage DrawBulb() {
  QImage image = TransparentCanvas(kBulbSize, kBulbSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawGlow(p);
  DrawRays(p);
  DrawGlass(p);
  DrawBase(p);
  p.end();
  return image;
}

}  // namespace sb::art
