// Changing a label only when it differs: setting the same text or colour again repaints the
// label and whatever lies under it (the banner ticks ten times a second, the histogram rereads
// its file on every paint).
#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <string>

namespace sb {

inline void SetText(QLabel* label, const std::string& text) {
  const QString wanted = QString::fromStdString(text);
  if (label->text() != wanted) label->setText(wanted);
}

inline void SetTextColour(QWidget* widget, QColor colour) {
  if (widget->palette().color(QPalette::WindowText) == colour) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace sb
