#include "timeentry/simple_field.h"

namespace vz {

TVzSimpleField::TVzSimpleField(QWidget* parent) : TVzBaseEntryField(parent) {}

void TVzSimpleField::setMaxLength(int maxLength) {
    m_editor.setMaxLength(maxLength);
    textReplaced();
}

void TVzSimpleField::setText(const QString& text) {
    m_editor.setText(text.toStdString());
    if (hasFocus())
        m_editor.selectAll(CaretToEnd());
    textReplaced();
}

int TVzSimpleField::leave() {
    if (m_trimBlanks && m_editor.trim())
        textReplaced();
    return 0;
}

} // namespace vz
