#pragma once
// Controls whose Windows behaviour Qt's own widgets lack.

#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <functional>

namespace platform::qt {

// An automatic radio button that a click checks but never unchecks; its group may have no
// button checked at all, which Qt's own exclusive radio buttons do not allow.
class RadioButton final : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override { setChecked(true); }
};

// A vertical trackbar, minimum at the top as on Windows, that tells when the user lets go
// of the mouse: after a drag as after a click on the groove.
class Trackbar final : public QSlider {
  public:
    Trackbar(QWidget* parent, std::function<void()> released)
        : QSlider(Qt::Vertical, parent), released_(std::move(released)) {
        setInvertedAppearance(true);
        setInvertedControls(true);
        setTickPosition(QSlider::TicksBothSides);
    }

    QRect thumbRect() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QSlider::mouseReleaseEvent(event);
        released_();
    }

  private:
    std::function<void()> released_;
};

}  // namespace platform::qt
