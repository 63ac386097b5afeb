// Room for translated texts in windows whose controls sit at fixed places: a control whose text
// does not fit grows just enough (measured with its own font), the controls right of it or below
// it move along, and its group and window grow with it. The English layout was made for the
// English texts and stays exactly as it is.
#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QVariant>
#include <algorithm>
#include <map>
#include <vector>

#include "util/files.h"

namespace sb {

// Whether windows make room for their texts: in a translated language only.
inline bool MakeRoomForTexts() {
  return !DataLanguage().empty();
}

namespace room {

inline constexpr char kDesign[] = "sbDesignGeometry";

// The widget whose size carries a page of a tab widget: the tab widget itself.
inline QWidget* Carrier(QWidget* widget) {
  auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget());
  if (stack != nullptr && qobject_cast<QTabWidget*>(stack->parentWidget()) != nullptr)
    return stack->parentWidget();
  return widget;
}

inline void Resize(QWidget* widget, QSize size) {
  if (widget->isWindow() && widget->minimumSize() == widget->maximumSize())
    widget->setFixedSize(size);
  else
    widget->resize(size);
}

// The right and bottom edges of the widget's shown children.
inline QPoint ChildrenEdge(const QWidget* parent) {
  QPoint edge(-1, -1);
  for (const QObject* object : parent->children()) {
    const auto* child = qobject_cast<const QWidget*>(object);
    if (child == nullptr || child->isWindow() || child->isHidden()) continue;
    edge = {std::max(edge.x(), child->geometry().right()),
            std::max(edge.y(), child->geometry().bottom())};
  }
  return edge;
}

// One axis of the push: a widget's extent along it (x or y) and across it (its rows or columns).
struct Axis {
  bool horizontal = true;
  int Start(const QRect& r) const { return horizontal ? r.left() : r.top(); }
  int End(const QRect& r) const { return horizontal ? r.right() : r.bottom(); }
  bool Across(const QRect& a, const QRect& b) const {  // sharing some rows (columns)
    return horizontal ? a.top() <= b.bottom() && a.bottom() >= b.top()
                      : a.left() <= b.right() && a.right() >= b.left();
  }
};

// How far each sibling moves along one axis when a widget grows from before to after. A sibling
// beyond it (right of it and sharing some of its rows, for the horizontal axis) moves just enough
// to keep a little of the gap it had, and in turn pushes those beyond it; the siblings lined up
// with a moved one (the same left edge) move as far, so that columns stay lined up.
inline std::map<QWidget*, int> Pushes(QWidget* widget, QRect before, QRect after, Axis axis) {
  struct Obstacle {
    QRect now;
    int oldEnd;
  };
  std::vector<Obstacle> obstacles{{after, axis.End(before)}};
  std::map<int, QList<QWidget*>> lines;  // the siblings beyond the old edge, by their start
  for (QObject* object : widget->parentWidget()->children()) {
    auto* sibling = qobject_cast<QWidget*>(object);
    if (sibling != nullptr && sibling != widget && !sibling->isWindow() &&
        axis.Start(sibling->geometry()) > axis.End(before))
      lines[axis.Start(sibling->geometry())] << sibling;
  }
  std::map<QWidget*, int> pushes;
  for (const auto& [start, line] : lines) {
    int push = 0;
    for (const QWidget* sibling : line)
      for (const Obstacle& o : obstacles)
        if (o.oldEnd < start && axis.Across(o.now, sibling->geometry()))
          push = std::max(push, axis.End(o.now) + std::min(start - o.oldEnd, 6) - start);
    if (push <= 0) continue;
    for (QWidget* sibling : line) {
      pushes[sibling] = push;
      const QRect at = sibling->geometry();
      obstacles.push_back(
          {axis.horizontal ? at.translated(push, 0) : at.translated(0, push), axis.End(at)});
    }
  }
  return pushes;
}

// Grows the widget, moves its siblings out of its way, and grows its parent to hold them all
// with the margin it had (a few pixels at most).
inline void Grow(QWidget* widget, int wider, int taller, QWidget* root) {
  const QRect before = widget->geometry();
  QWidget* parent = widget->parentWidget();
  const bool inside = widget != root && !widget->isWindow();
  const QPoint edgeBefore = inside ? ChildrenEdge(parent) : QPoint();
  Resize(widget, widget->size() + QSize(wider, taller));
  if (!inside) return;
  const QRect after = widget->geometry();
  for (const auto& [sibling, push] : Pushes(widget, before, after, Axis{true}))
    sibling->move(sibling->pos() + QPoint(push, 0));
  for (const auto& [sibling, push] : Pushes(widget, before, after, Axis{false}))
    sibling->move(sibling->pos() + QPoint(0, push));
  const QPoint edge = ChildrenEdge(parent);
  const int rightGap = std::clamp(parent->width() - 1 - edgeBefore.x(), 0, 8);
  const int bottomGap = std::clamp(parent->height() - 1 - edgeBefore.y(), 0, 8);
  const int parentWider = std::max(0, edge.x() + rightGap - (parent->width() - 1));
  const int parentTaller = std::max(0, edge.y() + bottomGap - (parent->height() - 1));
  if (parentWider > 0 || parentTaller > 0) Grow(Carrier(parent), parentWider, parentTaller, root);
}

// The room a word-wrapped label's text needs: wider first, up to twice its width, to keep its
// height; then taller.
inline QSize WrappedNeed(const QLabel& label) {
  const QFontMetrics metrics(label.font());
  const QRect inside = label.contentsRect();
  int longest = 0;
  for (const QString& word : label.text().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
    longest = std::max(longest, metrics.horizontalAdvance(word));
  const auto height = [&](int width) {
    return metrics
        .boundingRect(QRect(0, 0, width, 10000),
                      static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text())
        .height();
  };
  int width = std::max(inside.width(), longest);
  while (height(width) > inside.height() && width < 2 * inside.width())
    width += 4;
  return {width - inside.width(), height(width) - inside.height()};
}

// A control's caption as it shows: "&&" is an ampersand, a single "&" marks the shortcut key.
inline QString Shown(QString caption) {
  return caption.replace("&&", QString(QChar(1))).remove('&').replace(QChar(1), '&');
}

// The width a button's caption needs: the text and what the style puts beside it (the check
// mark, the push button's margins).
inline int ButtonNeed(const QAbstractButton& button) {
  const QStyle* style = button.style();
  const int text = button.fontMetrics().horizontalAdvance(Shown(button.text()));
  if (button.inherits("QCheckBox"))
    return style->pixelMetric(QStyle::PM_IndicatorWidth) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + text + 2;
  if (button.inherits("QRadioButton"))
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + text + 2;
  return text + 2 * style->pixelMetric(QStyle::PM_ButtonMargin) + 2;
}

// How much wider and taller the widget must be for its text; nothing for other widgets.
inline QSize Shortfall(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return {};
    if (label->wordWrap()) return WrappedNeed(*label);
    return {label->sizeHint().width() - label->width(), 0};
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    return {ButtonNeed(*button) - button->width(), 0};
  // A group's title stands a few pixels in from its frame's left end.
  if (auto* group = qobject_cast<QGroupBox*>(widget))
    return {group->fontMetrics().horizontalAdvance(Shown(group->title())) + 16 - group->width(), 0};
  return {};
}

}  // namespace room

namespace room {

// The widgets placed by hand under parent, parents before children: the pages of a tab widget
// are walked, but the toolkit's own parts of a control (a tab bar's buttons, a spin box's line)
// are not.
inline void PlacedWidgets(QWidget* parent, QList<QWidget*>& found) {
  if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
    for (int i = 0; i < tabs->count(); ++i)
      PlacedWidgets(tabs->widget(i), found);
    return;
  }
  if (parent->layout() != nullptr || qobject_cast<QAbstractButton*>(parent) != nullptr ||
      qobject_cast<QLabel*>(parent) != nullptr || parent->inherits("QComboBox") ||
      parent->inherits("QAbstractSpinBox") || parent->inherits("QAbstractScrollArea") ||
      parent->inherits("QAbstractSlider"))
    return;
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child == nullptr || child->isWindow()) continue;
    found << child;
    PlacedWidgets(child, found);
  }
}

}  // namespace room

// Makes room for the texts of every label, button and group placed inside root, root included,
// starting each time from the places they were first given. Nothing moves in English.
inline void MakeRoom(QWidget* root) {
  if (!MakeRoomForTexts()) return;
  QList<QWidget*> widgets{root};
  room::PlacedWidgets(root, widgets);
  for (QWidget* widget : widgets) {
    const QVariant design = widget->property(room::kDesign);
    if (!design.isValid())
      widget->setProperty(room::kDesign, widget->geometry());
    else if (widget == root || widget->isWindow())
      room::Resize(widget, design.toRect().size());
    else if (widget->geometry() != design.toRect())
      widget->setGeometry(design.toRect());
  }
  for (QWidget* widget : widgets) {
    if (widget->isHidden() && widget != root) continue;
    const QSize shortfall = room::Shortfall(widget);
    if (shortfall.width() > 0 || shortfall.height() > 0)
      room::Grow(widget, std::max(0, shortfall.width()), std::max(0, shortfall.height()), root);
  }
}

}  // namespace sb
