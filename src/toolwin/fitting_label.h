// A label of a tool window. The controls sit at fixed places, so a caption longer than its
// box (a translation, a wide desktop font) is drawn in a smaller font until it fits, and
// cut short with an ellipsis only below the smallest readable size; the whole caption is
// then its tool tip.
#pragma once

#include <QFont>
#include <QLabel>

namespace tv {

// The font, at most `font`'s size and at least kSmallestFittingPixels, in which `text` fits
// in `box` (on one line, or broken at spaces when `word_wrap`). `fits` tells whether it
// does at that size.
inline constexpr int kSmallestFittingPixels = 8;
QFont fittingFont(const QFont& font, const QString& text, QSize box, bool word_wrap, bool& fits);

class FittingLabel : public QLabel {
  public:
    FittingLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tv
