// A text label drawn as shaded text: a shadow and a highlight offset from the caption make it
// look raised, sunken, flying or shadowed, optionally with a striped colour face. The look comes
// from an appearance and a colour scheme, or freely from CustomSettings.
//
//     auto* label = new vz::TEsCustomLabel(parent);
//     label->setCaption(QStringLiteral("Hello"));
//     label->setColorScheme(vz::TColorScheme::csGold);
//     label->setAppearance(vz::TAppearance::apSunken);
#pragma once

#include "widgets/shadedtext.h"

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

namespace vz {

class TEsCustomLabel : public QWidget {
public:
    explicit TEsCustomLabel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    TAppearance appearance() const { return m_style.appearance(); }
    void setAppearance(TAppearance appearance) { m_style.setAppearance(appearance); }
    TColorScheme colorScheme() const { return m_style.colorScheme(); }
    void setColorScheme(TColorScheme scheme) { m_style.setColorScheme(scheme); }
    TEsCustomSettings& customSettings() { return m_style.customSettings(); }
    const ShadedTextStyle& style() const { return m_style; }

    HorizontalAlignment alignment() const { return m_alignment; }
    void setAlignment(HorizontalAlignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    bool showAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool show);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    // The background, used when the label is not transparent.
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    // The face colour (the font's colour).
    QColor fontColor() const;
    void setFontColor(const QColor& color);

    // While loading, changes to CustomSettings neither repaint nor switch the scheme or
    // appearance; used while a form sets up its labels.
    void setLoading(bool loading) { m_style.setLoading(loading); }

    // Draws the caption into rect with the given Qt text flags: the background first unless the
    // label is transparent, then shadow, highlight and face.
    void drawInto(QPainter& painter, const QRect& rect, int textFlags) const;

    static QString version() { return QStringLiteral("1.05"); }
    QSize sizeHint() const override { return {150, 35}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Flags the label paints itself with: word break, alignment, accelerator, tabs.
    int textFlags() const;
    // Caption, font or colours changed: re-measure (where a subclass measures) and repaint.
    virtual void textChanged() { invalidate(); }
    // Any repaint the label asks for goes through here.
    virtual void invalidate() { update(); }

private:
    ShadedTextStyle m_style;
    QString m_caption;
    HorizontalAlignment m_alignment = HorizontalAlignment::Left;
    bool m_wordWrap = true;
    bool m_showAccelChar = true;
    bool m_transparent = true;
    QColor m_color;
};

} // namespace vz
