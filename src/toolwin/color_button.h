// A speed button that shows a colour as the colour of its letter. The letter colour is
// the only record of the colour: color() reads it back from the button.
#pragma once

#include <QToolButton>
#include <cstdint>

#include "util/dialogs.h"

namespace tv {

class ColorButton final : public QToolButton {
    Q_OBJECT
  public:
    ColorButton(QWidget* parent, const QString& letter, const QRect& geometry);

    // The colour as 0x00BBGGRR.
    uint32_t color() const;
    void setColor(uint32_t color);

    // Opens the colour dialog with the button's colour; true when the user chose one,
    // which the button then shows.
    [[nodiscard]] bool chooseColor(Dialogs& dialogs);

    // The colour of the thin outline round the letter: black round a light letter, white
    // round a dark one, so that the letter stands out on any button face.
    static QColor outlineFor(const QColor& letter);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tv
