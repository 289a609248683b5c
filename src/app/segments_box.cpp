#include "app/segments_box.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace tv {

namespace {

constexpr int kNotAnInteger = 3;

// An optional minus and decimal digits, as far as the box's three characters allow.
bool parseTyped(const QString& text, int& value) {
    static const QRegularExpression integer(QStringLiteral("^-?[0-9]+$"));
    if (!integer.match(text).hasMatch()) {
        return false;
    }
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

}  // namespace

SegmentsBox::SegmentsBox(QWidget* parent) : QSpinBox(parent) {}

int SegmentsBox::typedValue() const {
    int value = 0;
    return parseTyped(cleanText(), value) ? value : kNotAnInteger;
}

int SegmentsBox::limited(int value) const {
    return std::clamp(value, minimum(), maximum());
}

void SegmentsBox::stepBy(int steps) {
    setValue(limited(typedValue() + steps));
    selectAll();
}

QValidator::State SegmentsBox::validate(QString& input, int& /*pos*/) const {
    if (input.isEmpty() || input == QLatin1String("-")) {
        return QValidator::Intermediate;
    }
    int value = 0;
    if (!parseTyped(input, value)) {
        return QValidator::Invalid;
    }
    return value == limited(value) ? QValidator::Acceptable : QValidator::Intermediate;
}

void SegmentsBox::fixup(QString& input) const {
    int value = kNotAnInteger;
    parseTyped(input, value);
    input = QString::number(limited(value));
}

QAbstractSpinBox::StepEnabled SegmentsBox::stepEnabled() const {
    if (isReadOnly()) {
        return StepNone;
    }
    // A step is offered wherever it changes what the box shows: from a typed 1 both
    // arrows lead into the range.
    const int typed = typedValue();
    StepEnabled enabled = StepNone;
    if (limited(typed + 1) != typed) {
        enabled |= StepUpEnabled;
    }
    if (limited(typed - 1) != typed) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

}  // namespace tv
