#include "timeentry/picture_field.h"

#include "engine/datetime.h"
#include "engine/regional.h"

#include <cmath>

namespace vz {

TVzPictureField::TVzPictureField(QWidget* parent)
    : TVzBaseEntryField(parent), m_editor(TimeMask::parse(TVzPictureEditor::DefaultMask),
                                          TimeDesignators::from(processSettings())) {}

QString TVzPictureField::PictureMask() const {
    return QString::fromStdString(m_editor.mask().source());
}

void TVzPictureField::setPictureMask(const QString& mask) {
    m_editor.setMask(TimeMask::parse(mask.toStdString()));
    written();
}

void TVzPictureField::written() {
    // A value written while the field is being edited starts a fresh edit of it.
    if (hasFocus())
        m_editor.selectAll(CaretToEnd());
    textReplaced();
}

void TVzPictureField::setText(const QString& text) {
    m_editor.setText(text.toStdString());
    written();
}

double TVzPictureField::DateTimeValue() const {
    const int code = m_editor.validate();
    const_cast<TVzPictureField*>(this)->setLastError(code);
    const int t = m_editor.time();
    if (code != 0 || t < 0)
        return 0.0;
    return static_cast<double>(t) / SecsPerDay;
}

void TVzPictureField::setDateTimeValue(double value) {
    int seconds = TimeMask::NoTime;
    if (std::isfinite(value))
        seconds = static_cast<int>(splitDateTime(value).msOfDay / 1000);
    setTimeValue(seconds);
}

void TVzPictureField::setTimeValue(int seconds) {
    m_editor.setTime(seconds);
    written();
}

void TVzPictureField::step(bool up, bool wrap, double delta) {
    if (!hasFocus())
        return;
    applyResult(m_editor.step(up, wrap, delta));
}

void TVzPictureField::StepUp(bool wrap, double delta) {
    step(true, wrap, delta);
}

void TVzPictureField::StepDown(bool wrap, double delta) {
    step(false, wrap, delta);
}

int TVzPictureField::leave() {
    const int code = m_editor.validate();
    if (code == 0 && m_editor.normalise())
        textReplaced();
    return code;
}

} // namespace vz
