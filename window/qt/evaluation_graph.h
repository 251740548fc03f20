// The review's evaluation graph: one point for the start and one after each move, 先手's
// advantage upwards, a forced five at the edge; the move on the board marked. A click picks
// the move nearest to it.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace brenvolt {

class EvaluationGraph : public QWidget {
 public:
  explicit EvaluationGraph(QWidget* parent = nullptr);

  // `values` in -1 .. 1, index 0 the start; `marks` the mark of each ("" for none).
  void show(const std::vector<double>& values, const std::vector<std::string>& marks, int current);
  void setPickHandler(std::function<void(int index)> handler) { picked_ = std::move(handler); }
  // The index of the point nearest to x, in pixels from the left edge.
  int indexAt(double x) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPointF point(int index) const;

  std::vector<double> values_;
  std::vector<std::string> marks_;
  int current_ = 0;
  std::function<void(int)> picked_;
};

}  // namespace brenvolt
