// What the entry-field controller decides without a window: the insert mode handed from field
// to field, the century epoch, the messages of the validation codes, and the error flow that
// makes a field which refused to be left take the focus back and report its error once.
//
//     vz::ControllerLogic logic;
//     auto failure = logic.fieldFailed(&field);    // {returnFocus, postReport}
//     if (failure.postReport) post(report(&field, logic.errorMessage(260)));
//     logic.reportDone(&field);                    // after the message box
#pragma once

#include <string>

namespace vz {

// Validation codes of the entry fields.
enum EntryErrorCode : int {
    EntryOk = 0,
    ErrRange = 256,
    ErrInvalidType = 257,
    ErrRequired = 258,
    ErrInvalidDate = 259,
    ErrInvalidTime = 260,
    ErrBlanks = 261,
    ErrPartial = 262,
};

// The message for a validation code; "Entry Error" for any other positive code.
std::string entryErrorMessage(int code);

// A two-digit year placed in the hundred years starting at `epoch`: 5 with epoch 1950 gives
// 2005, 60 gives 1960. Years of 100 and more are returned as they are.
int expandTwoDigitYear(int year, int epoch);

class ControllerLogic {
public:
    static constexpr int DefaultEpoch = 1900;
    static constexpr int MinEpoch = 1600;
    static constexpr int MaxEpoch = 3999;

    int epoch() const { return m_epoch; }
    // Values outside MinEpoch to MaxEpoch are ignored.
    void setEpoch(int epoch);
    // A field's own epoch when it has one (not 0), else the controller's.
    int epochFor(int fieldEpoch) const { return fieldEpoch != 0 ? fieldEpoch : m_epoch; }

    bool insertMode() const { return m_insertMode; }
    void setInsertMode(bool insert) { m_insertMode = insert; }

    struct Failure {
        bool returnFocus = false;
        bool postReport = false;
    };
    // A field failed its validation on being left. Only the first failure of a round is
    // reported and gets the focus back; a second field failing while the focus is already on
    // its way back to the first keeps quiet, so two invalid fields cannot pass the focus and
    // their reports back and forth.
    Failure fieldFailed(const void* field);
    // A field receives the focus; true when it should do its entry handling (save its text for
    // restoring, select it, announce the edit). The field coming back from an error keeps its
    // text as typed and its restore text; any field entered while a report is pending skips it.
    bool fieldEntered(const void* field);
    // The report for `field` has been shown, or the field went away before it could be.
    void reportDone(const void* field);
    // The field is being destroyed: forget it so no stale pointer is ever compared.
    void forget(const void* field);

    bool errorPending() const { return m_fieldInError != nullptr; }
    const void* fieldInError() const { return m_fieldInError; }

    // The message of the last reported error.
    const std::string& lastErrorText() const { return m_lastErrorText; }
    void setLastErrorText(std::string text) { m_lastErrorText = std::move(text); }

private:
    int m_epoch = DefaultEpoch;
    bool m_insertMode = true;
    const void* m_fieldInError = nullptr;
    const void* m_returning = nullptr;
    std::string m_lastErrorText;
};

} // namespace vz
