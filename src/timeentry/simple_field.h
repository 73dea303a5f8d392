// The simple text field: one line of at most MaxLength characters (40), any printable
// character anywhere; blanks at either end are trimmed when the field is left.
//
//     auto* edName = new vz::TVzSimpleField(dialog);
//     edName->setText("Birthday");
#pragma once

#include "timeentry/entry_field.h"
#include "timeentry/simple_editor.h"

namespace vz {

class TVzSimpleField : public TVzBaseEntryField {
    Q_OBJECT
public:
    explicit TVzSimpleField(QWidget* parent = nullptr);

    int MaxLength() const { return m_editor.maxLength(); }
    void setMaxLength(int maxLength);
    QString PictureMask() const { return QString::fromStdString(m_editor.pictureMask()); }
    void setPictureMask(const QString& mask) { m_editor.setPictureMask(mask.toStdString()); }
    bool TrimBlanks() const { return m_trimBlanks; }
    void setTrimBlanks(bool trim) { m_trimBlanks = trim; }
    bool InsertPushes() const { return m_editor.insertPushes(); }
    void setInsertPushes(bool pushes) { m_editor.setInsertPushes(pushes); }

    // The text as it stands: blanks at its ends are trimmed only when the field is left.
    using TVzBaseEntryField::text;
    // The first MaxLength characters.
    void setText(const QString& text) override;

protected:
    EntryEditor& editor() override { return m_editor; }
    const EntryEditor& editor() const override { return m_editor; }
    int leave() override;

private:
    TVzSimpleEditor m_editor;
    bool m_trimBlanks = true;
};

} // namespace vz
