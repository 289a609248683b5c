// A speed button: a flat button with a glyph. A caption, which only a language file
// gives it, is shown beside the glyph, the two centred together on the button and cut
// off at its edges when they do not fit, as on a button of fixed size.
#pragma once

#include <QToolButton>

namespace tv {

class SpeedButton final : public QToolButton {
    Q_OBJECT
  public:
    explicit SpeedButton(QWidget* parent) : QToolButton(parent) {}

    // Sets the caption and shows it beside the glyph; an empty caption shows the glyph only.
    void setCaption(const QString& caption);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tv
