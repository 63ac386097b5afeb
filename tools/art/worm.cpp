// The worm sprites: a segmented pink body along an arching spine, a round head whose face stays
// upright and looks the way the worm crawls, and a crawl cycle of bunching and stretching.
#include "worm.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "paint.h"

namespace sb::art {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHalf = kSpriteSize / 2.0;
constexpr double kOutlineWidth = 5.0;
constexpr double kHeadRadius = 28.0;
constexpr double kHeadU = kSpriteSize - kHeadRadius - kOutlineWidth - 2.0;  // head centre
constexpr double kNeckU = kHeadU - 12.0;  // the spine ends inside the head
constexpr double kBodyRadius = 17.5;
constexpr double kTailRadius = 11.0;
constexpr int kSpineSamples = 90;
constexpr int kSegments = 7;
constexpr int kOpaqueFrom = 110;  // coverage (of 255) from which a pixel belongs to the worm

// One crawl frame, a side view of an inchworm's step: the tail is drawn in under a high hump
// (frame 2, the body thicker where it bunches), then the body stretches out almost flat
// (frame 3), then relaxes (frame 1). The tail keeps its own radius and outline away from the
// back edge, so it is never cut off.
struct Pose {
  double tailU;
  double hump;  // height of the arch, in pixels
  double peak;  // where along the body the arch is highest, 0 tail to 1 neck
  double fatness;
};
constexpr std::array<Pose, kFrameCount> kPoses = {{
    {21.0, 7.0, 0.45, 1.0},
    {32.0, 15.0, 0.5, 1.07},
    {17.0, 2.5, 0.55, 0.95},
}};

// Local worm coordinates: u runs from the sprite's back edge (0) to its front edge (128) in the
// crawl direction, v across it. The face is never rotated, only the body's axis.
struct Axis {
  QPointF along;
  QPointF across;
  QPointF Map(double u, double v) const {
    return QPointF(kHalf, kHalf) + (u - kHalf) * along + v * across;
  }
};

Axis AxisFor(Facing facing) {
  switch (facing) {
    case Facing::North:
      return {{0, -1}, {1, 0}};
    case Facing::South:
      return {{0, 1}, {-1, 0}};
    case Facing::East:
      return {{1, 0}, {0, 1}};
    case Facing::West:
      return {{-1, 0}, {0, 1}};
  }
  return {{1, 0}, {0, 1}};
}

struct SpinePoint {
  QPointF at;
  QPointF normal;  // unit, across the body
  double radius;
};

double Smooth(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

// The spine from tail (s = 0) to neck (s = 1). The arch rises against the across axis (up for
// a worm crawling sideways) and is pinned at both ends, so the head stays on the axis.
SpinePoint Spine(const Axis& axis, const Pose& pose, double s) {
  const double bend = std::log(0.5) / std::log(pose.peak);
  auto arch = [&](double t) {
    return -pose.hump * std::sin(kPi * std::pow(std::clamp(t, 0.0, 1.0), bend));
  };
  const double u = pose.tailU + s * (kNeckU - pose.tailU);
  const double ds = 1e-3;
  const QPointF here = axis.Map(u, arch(s));
  const QPointF ahead = axis.Map(u + ds * (kNeckU - pose.tailU), arch(s + ds));
  QPointF tangent = ahead - here;
  tangent /= std::hypot(tangent.x(), tangent.y());
  // Each segment swells a little between its creases (at multiples of 1 / kSegments), which gives
  // the outline soft bumps.
  const double swell = 1.0 - 0.06 * std::cos(2.0 * kPi * kSegments * s);
  const double radius =
      pose.fatness * swell * (kTailRadius + (kBodyRadius - kTailRadius) * Smooth(s / 0.5));
  return {here, QPointF(-tangent.y(), tangent.x()), radius};
}

std::vector<SpinePoint> SampleSpine(const Axis& axis, const Pose& pose) {
  std::vector<SpinePoint> points;
  for (int i = 0; i <= kSpineSamples; ++i) {
    points.push_back(Spine(axis, pose, static_cast<double>(i) / kSpineSamples));
  }
  return points;
}

// A round shape lit from the upper left.
QRadialGradient Shading(QPointF centre, double radius, const WormPalette& palette) {
  QRadialGradient gradient(centre, radius, centre + QPointF(-0.35 * radius, -0.45 * radius));
  gradient.setColorAt(0.0, palette.light);
  gradient.setColorAt(0.55, palette.mid);
  gradient.setColorAt(1.0, palette.dark);
  return gradient;
}

void DrawBody(QPainter& p, const std::vector<SpinePoint>& spine, const WormPalette& palette) {
  p.setPen(Qt::NoPen);
  p.setBrush(palette.outline);
  for (const auto& point : spine) {
    const double r = point.radius + kOutlineWidth;
    p.drawEllipse(point.at, r, r);
  }
  for (const auto& point : spine) {
    p.setBrush(Shading(point.at, point.radius, palette));
    p.drawEllipse(point.at, point.radius, point.radius);
  }
}

// Ring creases across the body, bowed toward the head like bands around a tube.
void DrawRings(QPainter& p, const Axis& axis, const Pose& pose, const WormPalette& palette) {
  p.setPen(QPen(palette.ring, 2.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int i = 1; i < kSegments; ++i) {
    const SpinePoint point = Spine(axis, pose, static_cast<double>(i) / kSegments);
    const QPointF forward(point.normal.y(), -point.normal.x());
    const double half = point.radius * 0.88;
    QPainterPath ring(point.at + half * point.normal);
    ring.quadTo(point.at + 0.7 * point.radius * forward, point.at - half * point.normal);
    p.drawPath(ring);
  }
}

// A glossy stripe along the body on the side the light comes from (upper left).
void DrawGloss(QPainter& p, const Axis& axis, const Pose& pose) {
  const QPointF light(-0.6, -0.8);
  QPainterPath stripe;
  for (int i = 0; i <= 40; ++i) {
    const SpinePoint point = Spine(axis, pose, 0.08 + 0.86 * i / 40.0);
    const double side = QPointF::dotProduct(point.normal, light) < 0 ? -1.0 : 1.0;
    const QPointF at = point.at + side * 0.5 * point.radius * point.normal;
    if (i == 0) {
      stripe.moveTo(at);
    } else {
      stripe.lineTo(at);
    }
  }
  p.setPen(QPen(QColor(255, 255, 255, 120), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stripe);
}

void DrawHead(QPainter& p, QPointF centre, const WormPalette& palette) {
  p.setPen(QPen(palette.outline, kOutlineWidth));
  p.setBrush(Shading(centre, kHeadRadius, palette));
  const double r = kHeadRadius + kOutlineWidth / 2.0;
  p.drawEllipse(centre, r, r);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawEllipse(centre + QPointF(-0.52, -0.56) * kHeadRadius, 0.2 * kHeadRadius,
                0.13 * kHeadRadius);
}

// Big eyes with pupils and glints, rosy cheeks and a smile; the whole face leans toward
// `look` and the pupils look that way, which is what tells the direction at a glance.
// Sizes are in units of the head's radius.
void DrawFace(QPainter& p, QPointF centre, QPointF look, const WormPalette& palette) {
  const double k = kHeadRadius;
  const QPointF face = centre + 0.17 * k * look;
  p.setPen(Qt::NoPen);
  p.setBrush(palette.cheek);
  for (double side : {-1.0, 1.0}) {
    p.drawEllipse(face + QPointF(side * 0.6 * k, 0.3 * k), 0.2 * k, 0.14 * k);
  }
  for (double side : {-1.0, 1.0}) {
    const QPointF eye = face + QPointF(side * 0.33 * k, -0.22 * k);
    p.setPen(QPen(palette.outline, 2.4));
    p.setBrush(Qt::white);
    p.drawEllipse(eye, 0.28 * k, 0.36 * k);
    const QPointF pupil = eye + QPointF(0.12 * k * look.x(), 0.16 * k * look.y() + 0.03 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(palette.pupil);
    p.drawEllipse(pupil, 0.17 * k, 0.2 * k);
    p.setBrush(Qt::white);
    p.drawEllipse(pupil + QPointF(-0.06 * k, -0.08 * k), 0.07 * k, 0.07 * k);
  }
  QPainterPath smile(face + QPointF(-0.3 * k, 0.27 * k));
  smile.quadTo(face + QPointF(0.0, 0.62 * k), face + QPointF(0.3 * k, 0.27 * k));
  p.setPen(QPen(palette.outline, 3.0, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(smile);
}

}  // namespace

QString SpriteFileName(Facing facing, int frame) {
  static constexpr char kLetters[] = {'N', 'S', 'E', 'W'};
  return QString("w%1%2.bmp").arg(kLetters[static_cast<int>(facing)]).arg(frame);
}

QImage DrawWorm(Facing facing, int frame) {
  const WormPalette palette;
  const Axis axis = AxisFor(facing);
  const Pose& pose = kPoses.at(static_cast<std::size_t>(std::clamp(frame, 1, kFrameCount) - 1));
  QImage image = TransparentCanvas(kSpriteSize, kSpriteSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBody(p, SampleSpine(axis, pose), palette);
  DrawGloss(p, axis, pose);
  DrawRings(p, axis, pose, palette);
  const QPointF head = axis.Map(kHeadU, 0.0);
  DrawHead(p, head, palette);
  DrawFace(p, head, axis.along, palette);
  return image;
}

QImage FlattenOntoKey(const QImage& art, QColor edge) {
  const QImage source = art.convertToFormat(QImage::Format_ARGB32);
  QImage out(source.size(), QImage::Format_RGB888);
  for (int y = 0; y < source.height(); ++y) {
    for (int x = 0; x < source.width(); ++x) {
      const QRgb pixel = source.pixel(x, y);
      const int a = qAlpha(pixel);
      if (a < kOpaqueFrom) {
        out.setPixel(x, y, kKeyColour);
        continue;
      }
      auto blend = [a](int c, int e) { return (c * a + e * (255 - a) + 127) / 255; };
      QRgb colour = qRgb(blend(qRed(pixel), edge.red()), blend(qGreen(pixel), edge.green()),
                         blend(qBlue(pixel), edge.blue()));
      if (colour == kKeyColour) colour = qRgb(254, 0, 254);  // never cut a hole in the worm
      out.setPixel(x, y, colour);
    }
  }
  return out;
}

QImage WormSprite(Facing facing, int frame) {
  return FlattenOntoKey(DrawWorm(facing, frame), WormPalette{}.outline);
}

}  // namespace sb::art
