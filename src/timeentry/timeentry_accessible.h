// How the entry fields and the time bar present themselves to assistive technologies. A field
// is an editable text named by its label, whose text, caret and selection can be read and set,
// and which reports every edit, caret move and selection change as it happens; the time bar is
// a slider whose value is the time its pointer shows; a spin button is a named spin button made
// of pressable arrows.
//
//     QAccessible::installFactory(vz::timeEntryAccessibleFactory);
//     // a reader now finds "Time:" -> editable text "12:00 AM", caret at 0
#pragma once

#include <QString>

#include <string>

class QAccessibleInterface;
class QObject;

namespace vz {

// Remembers what assistive technologies were last told about a field and reports the
// difference: text inserted, removed or replaced, the caret moved, the selection changed.
class TextAnnouncer {
public:
    void announce(QObject* field, const std::u32string& text, int caret, int selStart, int selEnd);

private:
    std::u32string m_text;
    int m_caret = 0;
    int m_selStart = 0;
    int m_selEnd = 0;
};

class TimeBarImage;

// Tells assistive technologies that the time bar's pointer moved.
void announceTimeBarValue(TimeBarImage* bar);

QAccessibleInterface* timeEntryAccessibleFactory(const QString& className, QObject* object);

} // namespace vz
