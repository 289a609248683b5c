// Builders for the controls of the tool windows, each placed at a fixed position on the
// window's client area.
#pragma once

#include <QIcon>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <utility>

class QFrame;
class QObject;
class QLabel;
class QSlider;
class QToolButton;
class QWidget;

namespace tv {

// A label that draws a caption too long for its box condensed or smaller (FittingLabel).
QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A track bar with ticks every `tick_interval` (none when 0). A vertical one has its
// minimum at the top; its arrow keys and wheel move the knob the way they point.
QSlider* makeTrackBar(QWidget* parent, Qt::Orientation orientation, int minimum, int maximum,
                      int tick_interval, int position, const QRect& geometry);

// A flat push button with a picture, as on a tool bar.
QToolButton* makeSpeedButton(QWidget* parent, const QIcon& glyph, const QRect& geometry);

// A sunken vertical line that separates groups of controls.
QFrame* makeSeparator(QWidget* parent, int x, int height);

// Gives each control its name in the program as its object name, by which the
// component table's check and the tests find it.
void nameControls(std::initializer_list<std::pair<QObject*, const char*>> controls);

// The texts of the labels that show a track bar's position: "40%", "45°".
QString percentText(int position);
QString degreeText(int position);

}  // namespace tv
