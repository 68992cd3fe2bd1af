// The navigation bar at the bottom of a histogram window: "<=", "Question list", "=>".
#pragma once

#include <QWidget>

namespace orbica {

class CHistogram;

class Panel : public QWidget {
  Q_OBJECT

 public:
  explicit Panel(CHistogram& owner);
  int PanelWidth() const { return width_; }
  int PanelHeight() const { return height_; }
  // Centres the bar horizontally, 2 pixels above the bottom of the owner's client area.
  void Place();

 private:
  CHistogram& owner_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace orbica
