// The rotation-steps box `szog`: it takes what the user types, 0, 1, 2 and negative
// numbers included, so the view shows the typed count at once, and forces its range
// only when it is stepped or loses the focus.
#pragma once

#include <QSpinBox>

namespace tv {

class SegmentsBox final : public QSpinBox {
    Q_OBJECT
  public:
    explicit SegmentsBox(QWidget* parent = nullptr);

    // The integer the box shows now, typed or not; 3 for a text that is not an integer.
    int typedValue() const;

    // Steps from the typed integer, then limits the result to the range.
    void stepBy(int steps) override;

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    // Turns the text into the nearest value of the range (3 for a text that is not an
    // integer); Qt calls it when the box loses the focus or Enter is pressed.
    void fixup(QString& input) const override;
    StepEnabled stepEnabled() const override;

  private:
    int limited(int value) const;
};

}  // namespace tv
