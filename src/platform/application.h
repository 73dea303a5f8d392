// The application object: every event handler runs inside one guard, so an error that escapes
// a handler shows the general error report and returns to the event loop.
#pragma once

#include <QApplication>

namespace vz {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vz
