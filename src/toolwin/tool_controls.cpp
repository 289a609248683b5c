#include "toolwin/tool_controls.h"

#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "toolwin/fitting_text.h"
#include "toolwin/speed_button.h"

namespace tv {

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment) {
    auto* label = new FittingLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QSlider* makeTrackBar(QWidget* parent, Qt::Orientation orientation, int minimum, int maximum,
                      int tick_interval, int position, const QRect& geometry) {
    auto* track_bar = new QSlider(orientation, parent);
    track_bar->setGeometry(geometry);
    track_bar->setRange(minimum, maximum);
    track_bar->setValue(position);
    track_bar->setPageStep(tick_interval > 0 ? tick_interval : 2);
    if (tick_interval > 0) {
        track_bar->setTickInterval(tick_interval);
        track_bar->setTickPosition(QSlider::TicksBelow);
    }
    if (orientation == Qt::Vertical) {
        track_bar->setInvertedAppearance(true);
        track_bar->setInvertedControls(true);
    }
    return track_bar;
}

QToolButton* makeSpeedButton(QWidget* parent, const QIcon& glyph, const QRect& geometry) {
    auto* button = new SpeedButton(parent);
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(glyph);
    return button;
}

void nameControls(std::initializer_list<std::pair<QObject*, const char*>> controls) {
    for (const auto& [control, name] : controls) {
        control->setObjectName(QLatin1String(name));
    }
}

QFrame* makeSeparator(QWidget* parent, int x, int height) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, 2, 2, height - 4);
    return line;
}

QString percentText(int position) {
    return QStringLiteral("%1%").arg(position);
}

QString degreeText(int position) {
    return QStringLiteral("%1°").arg(position);
}

}  // namespace tv
