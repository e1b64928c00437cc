#pragma once
// Vertical bar gauge without text: fills from the bottom in proportion to its
// progress (0..100).
#include <QColor>
#include <QWidget>

namespace tavro {

class BarGauge : public QWidget {
  Q_OBJECT
 public:
  explicit BarGauge(QWidget* parent);
  void setProgress(int value);  // clamped to 0..100
  int progress() const { return progress_; }
  void setColors(const QColor& foreground, const QColor& background);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int progress_ = 0;
  QColor foreground_{80, 212, 255};
  QColor background_{232, 232, 232};
};

}  // namespace tavro
