#include "app/work_area_fit.h"

#include <QEvent>
#include <QObject>

#include "app/tform1.h"

namespace vaneko::app {

namespace {

class FrameWatcher : public QObject {
 public:
  explicit FrameWatcher(TForm1* form) : QObject(form), form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (watched == form_ && placed && form_->isVisible() &&
        form_->frameGeometry().size() != form_->geometry().size()) {
      form_->removeEventFilter(this);
      form_->AlignToWorkArea();
      deleteLater();
    }
    return false;
  }

 private:
  TForm1* form_;
};

}  // namespace

void RealignWhenFramed(TForm1* form) {
  form->installEventFilter(new FrameWatcher(form));
}

}  // namespace vaneko::app
