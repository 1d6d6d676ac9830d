// Sideways scrolling rows: see sideways_scroller.h.
#include "app/widgets/sideways_scroller.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

namespace qmoor {
namespace {

class SidewaysScroller : public QScrollArea {
 public:
  explicit SidewaysScroller(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      if (now && widget() && widget()->isAncestorOf(now)) ensureWidgetVisible(now);
    });
  }
  QSize sizeHint() const override { return {widget()->sizeHint().width(), height()}; }
  QSize minimumSizeHint() const override { return {0, height()}; }

 protected:
  // The bar shows or hides as the width changes: the height follows it.
  void resizeEvent(QResizeEvent* event) override {
    QScrollArea::resizeEvent(event);
    const int wanted = rowHeight() + (widget()->minimumSizeHint().width() > viewport()->width() ? barHeight() : 0);
    if (height() != wanted) setFixedHeight(wanted);
  }

 private:
  int rowHeight() const { return widget()->sizeHint().height(); }
  int barHeight() const { return horizontalScrollBar()->sizeHint().height(); }
};

}  // namespace

QWidget* scrollingSideways(QWidget* content, QWidget* parent) {
  auto* scroller = new SidewaysScroller(parent);
  scroller->setWidget(content);
  scroller->setFixedHeight(content->sizeHint().height());
  return scroller;
}

}  // namespace qmoor
