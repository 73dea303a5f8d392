// How the drawn controls present themselves to assistive technologies: the embossed and shaded
// labels as static text, the splitter's panes, and a line drawn as several labels as one
// readable text.
//
//     QAccessible::installFactory(vz::widgetsAccessibleFactory);
//     vz::presentAsOneLine(lblSecs, [] { return QStringLiteral("3,963,600 seconds"); },
//                          {lblSecs2, lblSecs3});
#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace vz {

class TRaisedLabel;

// Makes `first` read as the line `text` gives, asked for only when a reader wants it: nothing
// is announced when it changes, so a display that changes every second does not talk every
// second. The followers, drawn after it on the same line, are left out of the tree. Set it up
// before the labels are shown.
void presentAsOneLine(TRaisedLabel* first, std::function<QString()> text,
                      const QList<QWidget*>& followers);

QAccessibleInterface* widgetsAccessibleFactory(const QString& className, QObject* object);

} // namespace vz
