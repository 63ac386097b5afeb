// The board widget: the picture, the sprite, the pointer.
#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/board_picture.h"

namespace sb {

BoardView::BoardView(const BoardPicture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The board holds the keyboard: the menu bar hands it back here when its navigation ends.
  setFocusPolicy(Qt::StrongFocus);
}

void BoardView::ShowSprite(const QImage& sprite, QRect rect) {
  if (sprite_) update(sprite_->rect);
  sprite_ = Sprite{sprite, rect};
  update(rect);
}

void BoardView::HideSprite() {
  if (!sprite_) return;
  update(sprite_->rect);
  sprite_.reset();
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  // Beyond the picture (a window grown since the last new game) lies the window's own colour.
  painter.fillRect(area, QColor(128, 128, 255));
  if (!picture_.image().isNull()) painter.drawImage(QPoint(0, 0), picture_.image());
  if (sprite_ && sprite_->rect.intersects(area)) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(sprite_->rect, sprite_->image);
  }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (onPointerMove) onPointerMove(at.x(), at.y());
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
