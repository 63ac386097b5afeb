// The board on the screen: shows the board picture as it stands, the worm sprite over it, and
// hands the pointer's moves and clicks to the game.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

namespace sb {

class BoardPicture;

class BoardView : public QWidget {
  Q_OBJECT

 public:
  BoardView(const BoardPicture& picture, QWidget* parent);

  // The one sprite that shows at a time (the window hides the others), stretched to rect, which
  // is given in the picture's pixels.
  void ShowSprite(const QImage& sprite, QRect rect);
  void HideSprite();
  bool SpriteShown() const { return sprite_.has_value(); }
  QRect SpriteRect() const { return sprite_ ? sprite_->rect : QRect(); }

  // Repaints the part of the view that shows this rectangle of the picture.
  void UpdatePicture(QRect rect);
  // How much the picture is shrunk to fit the view: 1 when it fits as it is.
  qreal Scale() const;
  QRect ToView(QRect pictureRect) const;

  // Positions in the picture's pixels.
  std::function<void(int x, int y)> onPointerMove;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Sprite {
    QImage image;
    QRect rect;
  };
  const BoardPicture& picture_;
  std::optional<Sprite> sprite_;
  bool pressed_ = false;
};

}  // namespace sb
