#include "widgets/widgets_accessible.h"

#include "widgets/raised_label.h"
#include "widgets/shadedlabel.h"
#include "widgets/splitter.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace vz {

namespace {

// On a label read as part of a line: the line's first label.
const char* const PartOfLine = "vzPartOfLine";

// The text a line's first label reads as; a child object, so it goes with the label.
class LineSource final : public QObject {
public:
    LineSource(QObject* label, std::function<QString()> text)
        : QObject(label), m_text(std::move(text)) {}
    QString text() const { return m_text(); }

private:
    std::function<QString()> m_text;
};

QString stripMnemonic(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

// A label drawn by hand: static text whose name is its caption, readable through the text
// interface too.
class CaptionAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    CaptionAccessible(QWidget* label, std::function<QString()> caption)
        : QAccessibleWidget(label, QAccessible::StaticText), m_caption(std::move(caption)) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            return content();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = content();
        const int size = static_cast<int>(all.size());
        const int start = std::clamp(startOffset, 0, size);
        const int end = std::clamp(endOffset < 0 ? size : endOffset, start, size);
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(content().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString content() const {
        if (auto* line = widget()->findChild<LineSource*>(QString(), Qt::FindDirectChildrenOnly))
            return line->text().trimmed();
        return m_caption();
    }

    std::function<QString()> m_caption;
};

// A pane whose children are listed without the labels that are read as part of a line.
class PaneAccessible final : public QAccessibleWidget {
public:
    explicit PaneAccessible(QWidget* pane) : QAccessibleWidget(pane) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = children();
        if (index < 0 || index >= list.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(list[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        return static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }
    // A point on a line's follower answers with the line. Geometry rather than
    // QWidget::childAt, which passes over the labels: they let mouse input through to the pane.
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        const QObjectList all = widget()->children();
        for (auto it = all.rbegin(); it != all.rend(); ++it) {
            auto* w = qobject_cast<QWidget*>(*it);
            if (!w || w->isWindow() || !w->isVisible() || !w->geometry().contains(at))
                continue;
            if (QObject* line = w->property(PartOfLine).value<QObject*>())
                return QAccessible::queryAccessibleInterface(line);
            return QAccessible::queryAccessibleInterface(w);
        }
        return nullptr;
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> list;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !w->property(PartOfLine).value<QObject*>())
                list.append(w);
        }
        return list;
    }
};

} // namespace

void presentAsOneLine(TRaisedLabel* first, std::function<QString()> text,
                      const QList<QWidget*>& followers) {
    new LineSource(first, std::move(text));
    for (QWidget* follower : followers)
        follower->setProperty(PartOfLine, QVariant::fromValue<QObject*>(first));
}

QAccessibleInterface* widgetsAccessibleFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TRaisedLabel*>(object)) {
        return new CaptionAccessible(label, [label] {
            return label->showAccelChar() ? stripMnemonic(label->caption()) : label->caption();
        });
    }
    if (auto* label = dynamic_cast<TEsCustomLabel*>(object))
        return new CaptionAccessible(label, [label] { return label->caption(); });
    if (auto* pane = qobject_cast<TVzSection*>(object))
        return new PaneAccessible(pane);
    return nullptr;
}

} // namespace vz
