// A text label whose caption can be drawn embossed: raised or recessed.
#pragma once

#include <QColor>
#include <QStaticText>
#include <QWidget>

namespace vz {

class TRaisedLabel : public QWidget {
    Q_OBJECT
public:
    enum TTextStyle { tsNone, tsRaised, tsRecessed };

    explicit TRaisedLabel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    TTextStyle TextStyle() const { return m_textStyle; }
    void setTextStyle(TTextStyle style);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool showAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool show);
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& color);

    // The size of the caption alone (of one blank when it is empty); the shading is not added.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int textFlags() const;
    void adjustToCaption();
    // The caption laid out once as a single line for the three passes of each paint; null when
    // it has to go through the general text drawing (a mnemonic, a tab, a break, a wrap).
    const QStaticText* singleLine(const QString& text);

    QString m_caption;
    TTextStyle m_textStyle = tsRecessed;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_transparent = false;
    bool m_autoSize = true;
    bool m_showAccelChar = true;
    QColor m_textColor;
    QStaticText m_line;
    QString m_lineText;
    QFont m_lineFont;
};

} // namespace vz
