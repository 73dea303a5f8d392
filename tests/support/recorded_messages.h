// Records the program's message boxes during widget tests instead of showing them.
#pragma once

#include "platform/messages.h"

#include <QString>
#include <QStringList>

namespace vz::test {

class RecordedMessages final : public MessageLog {
public:
    RecordedMessages() {
        s_current = this;
        setMessageLog(this);
    }
    ~RecordedMessages() override {
        setMessageLog(nullptr);
        s_current = nullptr;
    }
    bool record(const QString& kind, const QString& text) override {
        entries.append(kind + ": " + text);
        return confirmAnswer;
    }
    static RecordedMessages& current() { return *s_current; }

    QStringList entries; // "error: Nothing to edit", "confirm: Really delete x?", …
    bool confirmAnswer = true;

private:
    static inline RecordedMessages* s_current = nullptr;
};

} // namespace vz::test
