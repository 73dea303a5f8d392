#include "platform/webpage.h"

#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

namespace vz {

namespace {

WebPageOpener& opener() {
    static WebPageOpener current;
    return current;
}

// Hands the outcome to `done` at most once, and only while the caller's context lives.
class OutcomeOnce {
public:
    OutcomeOnce(QObject* context, std::function<void(bool)> done)
        : m_context(context), m_done(std::move(done)) {}
    void report(bool opened) {
        if (m_reported)
            return;
        m_reported = true;
        if (m_context && m_done)
            m_done(opened);
    }

private:
    QPointer<QObject> m_context;
    std::function<void(bool)> m_done;
    bool m_reported = false;
};

} // namespace

void openWebPage(const QString& address, QObject* context, std::function<void(bool)> done) {
    const auto outcome = std::make_shared<OutcomeOnce>(context, std::move(done));
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return outcome->report(false);
    if (const WebPageOpener& replacement = opener())
        return outcome->report(replacement(url));
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return outcome->report(QDesktopServices::openUrl(url));

    // The process belongs to no one: it deletes itself when it ends. An owner would kill it
    // when destroyed, and an opener that waits for its browser would take the browser along
    // when the dialog or even the program closes.
    auto* process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, outcome](int code, QProcess::ExitStatus status) {
                         outcome->report(status == QProcess::NormalExit && code == 0);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, outcome](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // a crash or the like also ends in finished()
                         outcome->report(false);
                         process->deleteLater();
                     });
    QTimer::singleShot(WebOpenerGraceMs, process, [outcome] { outcome->report(true); });
    process->start();
}

void setWebPageOpener(WebPageOpener replacement) {
    opener() = std::move(replacement);
}

} // namespace vz
