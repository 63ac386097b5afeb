// The maze workbench window: "Go" grows a random path on the paint box M, one pixel per cell,
// with a trace of every step; "Stop", closing or hiding the window end a growth at once.
#pragma once

#include <QDialog>
#include <QImage>
#include <memory>

#include "workbench/growth.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace sb {

class TfrmMaze : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmMaze(QWidget* parent = nullptr);
  ~TfrmMaze() override;

  const MazeGrowth& growth() const { return *growth_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  friend class PaintBox;
  void Button1Click();
  void Button2Click();
  void MPaint(QWidget& box);
  void MMouseDown(QPoint at);
  GrowthHooks Hooks();

  // The growth is shared with a running "Go", which keeps it alive if the window goes away.
  std::shared_ptr<MazeGrowth> growth_;
  QImage canvas_;  // what has been drawn on the paint box besides the red path
  QWidget* M_;
  QSpinBox* target_;
  QPushButton* Button1_;
  QPushButton* Button2_;
  QPlainTextEdit* trc_;
  QLabel* li_;
  QLabel* xy1_;
  QLabel* xy2_;
};

}  // namespace sb
