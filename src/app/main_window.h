// The program's one permanent window.
#pragma once

#include <QMainWindow>

namespace vz {

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace vz
