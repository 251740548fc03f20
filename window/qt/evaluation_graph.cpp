#include "window/qt/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace brenvolt {

namespace {

constexpr int 余白 = 3;  // pixels kept clear at each edge, so the edge points show whole

}  // namespace

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("EVALUATION_GRAPH"));
  setMinimumHeight(60);
  setCursor(Qt::PointingHandCursor);
}

void EvaluationGraph::show(const std::vector<double>& values, const std::vector<std::string>& marks,
                           int current) {
  if (values == values_ && marks == marks_ && current == current_) return;
  values_ = values;
  marks_ = marks;
  current_ = current;
  update();
}

QPointF EvaluationGraph::point(int index) const {
  const double w = width() - 2 * 余白;
  const double h = height() - 2 * 余白;
  const int last = std::max(1, static_cast<int>(values_.size()) - 1);
  const double value = values_[static_cast<std::size_t>(index)];
  return {余白 + w * index / last, 余白 + h * (1.0 - value) / 2.0};
}

int EvaluationGraph::indexAt(double x) const {
  if (values_.empty()) return -1;
  const int last = static_cast<int>(values_.size()) - 1;
  const double w = std::max(1, width() - 2 * 余白);
  return std::clamp(static_cast<int>(std::lround((x - 余白) * std::max(1, last) / w)), 0, last);
}

// Colours from the widget's palette: the graph reads in any style or colour scheme.
void EvaluationGraph::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawLine(QPointF(余白, height() / 2.0), QPointF(width() - 余白, height() / 2.0));
  if (values_.empty()) return;
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath line(point(0));
  for (int i = 1; i < static_cast<int>(values_.size()); ++i) line.lineTo(point(i));
  painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
  painter.drawPath(line);
  // A marked move stands out as a dot; ?? larger than ?.
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(QPalette::Link));
  for (int i = 0; i < static_cast<int>(marks_.size()) && i < static_cast<int>(values_.size());
       ++i) {
    const std::string& mark = marks_[static_cast<std::size_t>(i)];
    if (mark.empty()) continue;
    const double r = mark.size() > 1 ? 3.5 : 2.5;
    painter.drawEllipse(point(i), r, r);
  }
  if (current_ >= 0 && current_ < static_cast<int>(values_.size())) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
    const double x = point(current_).x();
    painter.drawLine(QPointF(x, 余白), QPointF(x, height() - 余白));
  }
}

void EvaluationGraph::mousePressEvent(QMouseEvent* event) {
  const int index = indexAt(event->position().x());
  if (index >= 0 && picked_) picked_(index);
}

}  // namespace brenvolt
