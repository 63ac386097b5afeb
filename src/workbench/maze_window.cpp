// The maze workbench window: its controls, the paint box and the hooks the growth runs through.
#include "workbench/maze_window.h"

#include "util/qt/text_room.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>

namespace sb {

// The paint box M: everything it shows comes from the window.
class PaintBox : public QWidget {
 public:
  PaintBox(TfrmMaze* owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent*) override { owner_->MPaint(*this); }
  void mousePressEvent(QMouseEvent* event) override {
    owner_->MMouseDown(event->position().toPoint());
  }
  // A click draws the path again.
  void mouseReleaseEvent(QMouseEvent*) override { update(); }

 private:
  TfrmMaze* owner_;
};

namespace {

QLabel* NamedLabel(QWidget* parent, const char* name, QPoint at) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(at);
  label->resize(40, 13);
  return label;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption, QRect at) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(at);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TfrmMaze::TfrmMaze(QWidget* parent) : QDialog(parent) {
  setObjectName("frmMaze");
  setWindowTitle(tr("frmMaze"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFont(QFont("MS Sans Serif", 8));
  setFixedSize(401, 480);

  // The labels lie under the trace where they overlap it, as labels drawn on the window would.
  li_ = NamedLabel(this, "li", {104, 344});
  xy1_ = NamedLabel(this, "xy1", {232, 352});
  xy2_ = NamedLabel(this, "xy2", {232, 376});

  M_ = new PaintBox(this, this);
  M_->setObjectName("M");
  M_->setGeometry(58, 32, 64, 48);
  M_->setCursor(Qt::CrossCursor);
  canvas_ = QImage(M_->size(), QImage::Format_ARGB32_Premultiplied);
  canvas_.fill(Qt::transparent);

  target_ = new QSpinBox(this);
  target_->setObjectName("target");
  target_->setRange(11, 501);
  target_->setSingleStep(2);
  target_->setValue(101);
  target_->setGeometry(72, 104, 57, 21);

  Button1_ = NamedButton(this, "Button1", tr("Go"), {8, 144, 75, 25});
  Button2_ = NamedButton(this, "Button2", tr("Stop"), {96, 144, 75, 25});
  connect(Button1_, &QPushButton::clicked, this, &TfrmMaze::Button1Click);
  connect(Button2_, &QPushButton::clicked, this, &TfrmMaze::Button2Click);

  trc_ = new QPlainTextEdit(this);
  trc_->setObjectName("trc");
  trc_->setGeometry(248, 0, 137, 449);
  trc_->setReadOnly(true);
  trc_->setLineWrapMode(QPlainTextEdit::NoWrap);
  trc_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  trc_->setMaximumBlockCount(static_cast<int>(MazeGrowth::kTraceLimit));
  trc_->setPlainText("trc");

  MakeRoom(this);
  growth_ = std::make_shared<MazeGrowth>(Hooks());
}

TfrmMaze::~TfrmMaze() {
  // A growth still running (its events ran this destructor) ends at its next check and no
  // longer reaches the window: every hook holds a guarded pointer.
  growth_->Stop();
}

GrowthHooks TfrmMaze::Hooks() {
  const QPointer<TfrmMaze> self(this);
  GrowthHooks hooks;
  hooks.begin = [self] {
    if (!self) return;
    self->trc_->clear();
    self->canvas_.fill(Qt::white);
    self->li_->clear();
    self->M_->repaint();
  };
  hooks.events = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
  hooks.repaint = [self] {
    if (self) self->M_->repaint();
  };
  hooks.showHead = [self](int walker, FieldPoint head) {
    if (!self) return;
    QLabel* label = walker == 2 ? self->xy2_ : self->xy1_;
    label->setText(QString("%1,%2").arg(head.x).arg(head.y));
  };
  hooks.traced = [self](const std::string& line) {
    if (self) self->trc_->appendPlainText(QString::fromStdString(line));
  };
  hooks.erase = [self](FieldPoint from, FieldPoint to) {
    if (!self) return;
    QPainter painter(&self->canvas_);
    painter.setPen(Qt::white);
    painter.drawLine(from.x, from.y, to.x, to.y);
  };
  return hooks;
}

void TfrmMaze::Button1Click() {
  if (growth_->Running()) return;
  const QPointer<TfrmMaze> self(this);
  const std::shared_ptr<MazeGrowth> growth = growth_;
  Button1_->setEnabled(false);
  growth->Go(M_->width(), M_->height(), target_->value());
  if (self) Button1_->setEnabled(true);
}

void TfrmMaze::Button2Click() {
  growth_->Stop();
}

void TfrmMaze::hideEvent(QHideEvent* event) {
  // Closing the window (its close box, Esc, the owner hiding it) ends a growth at once;
  // minimising it does not.
  if (!event->spontaneous()) growth_->Stop();
  QDialog::hideEvent(event);
}

void TfrmMaze::MPaint(QWidget& box) {
  QPainter painter(&box);
  painter.drawImage(0, 0, canvas_);
  const std::vector<FieldPoint> line = growth_->PlotPath();
  if (line.empty()) return;
  QPolygon points;
  points.reserve(static_cast<int>(line.size()));
  for (const FieldPoint p : line)
    points << QPoint(p.x, p.y);
  painter.setPen(QColor(255, 0, 0));
  painter.drawPolyline(points);
}

void TfrmMaze::MMouseDown(QPoint at) {
  QPainter painter(&canvas_);
  painter.setFont(M_->font());
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  painter.drawText(at.x(), at.y() + ascent, "XXX");
  M_->update();
}

}  // namespace sb
