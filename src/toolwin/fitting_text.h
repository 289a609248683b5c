// Controls at fixed places whose text comes from the language files: a caption longer than
// its box (a translation, a wide desktop font) is drawn condensed or smaller until it fits,
// and cut short with an ellipsis only below the smallest readable size.
#pragma once

#include <QComboBox>
#include <QFont>
#include <QLabel>

namespace tv {

// The font, at most `font`'s size and at least kSmallestFittingPixels, in which `text` fits
// in `box` (on one line, or broken at spaces when `word_wrap`). `fits` tells whether it
// does at that size.
inline constexpr int kSmallestFittingPixels = 8;
QFont fittingFont(const QFont& font, const QString& text, QSize box, bool word_wrap, bool& fits);

// A label that shows its whole caption as tool tip when it has to cut it short and has no
// hint of its own.
class FittingLabel : public QLabel {
  public:
    FittingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    bool cut_short_ = false;
};

// A list whose closed box shows the current item fitted to the box.
class FittingComboBox : public QComboBox {
  public:
    explicit FittingComboBox(QWidget* parent) : QComboBox(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tv
