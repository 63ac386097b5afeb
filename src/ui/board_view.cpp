// The board widget: the picture, the sprite, the pointer. A window manager may leave the view
// smaller than the board was built for (a restored window, a smaller screen); the picture is then
// shown shrunk to fit and the pointer is mapped back through the same scale, so every cell stays
// in sight and pickable until the next game sizes the board to the view. The rules' geometry
// never changes.
#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/board_picture.h"

namespace sb {

BoardView::BoardView(const BoardPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The board holds the keyboard: the menu bar hands it back here when its navigation ends.
  setFocusPolicy(Qt::StrongFocus);
}

qreal BoardView::Scale() const {
  const QSize picture = picture_.size();
  if (picture.isEmpty() || size().isEmpty()) return 1;
  return std::min({qreal(1), qreal(width()) / picture.width(), qreal(height()) / picture.height()});
}

QRect BoardView::ToView(QRect pictureRect) const {
  const qreal scale = Scale();
  if (scale == 1) return pictureRect;
  const QRectF rect(pictureRect);
  return QRectF(rect.topLeft() * scale, rect.size() * scale).toAlignedRect();
}

void BoardView::UpdatePicture(QRect rect) {
  update(ToView(rect));
}

void BoardView::ShowSprite(const QImage& sprite, QRect rect) {
  if (sprite_) UpdatePicture(sprite_->rect);
  sprite_ = Sprite{sprite, rect};
  UpdatePicture(rect);
}

void BoardView::HideSprite() {
  if (!sprite_) return;
  UpdatePicture(sprite_->rect);
  sprite_.reset();
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  // Beyond the picture (a window grown since the last new game) lies the window's own colour.
  painter.fillRect(area, QColor(128, 128, 255));
  const qreal scale = Scale();
  if (scale < 1) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
  }
  if (!picture_.image().isNull()) painter.drawImage(QPoint(0, 0), picture_.image());
  if (sprite_ && ToView(sprite_->rect).intersects(area)) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(sprite_->rect, sprite_->image);
  }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position() / Scale();
  if (onPointerMove) onPointerMove(static_cast<int>(at.x()), static_cast<int>(at.y()));
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  // A press also places the pointer: a touch screen may send no move before it.
  mouseMoveEvent(event);
  pressed_ = event->button() == Qt::LeftButton;
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click && onClick) onClick();
}

}  // namespace sb
