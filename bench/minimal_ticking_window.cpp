// A window the size of the main window whose display area shows a text that changes once a
// second: the least a ticking Qt program can cost.
#include <QApplication>
#include <QBasicTimer>
#include <QDateTime>
#include <QPainter>
#include <QWidget>

namespace {

class TickingWindow final : public QWidget {
public:
    TickingWindow() {
        setWindowTitle(QStringLiteral("Minimal ticking window"));
        resize(568, 399);
        m_timer.start(1000, this);
    }

protected:
    void timerEvent(QTimerEvent*) override { update(0, 0, 568, 200); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(0, 0, 568, 200, QColor(209, 209, 209));
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPixelSize(21);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(30, 60, QDateTime::currentDateTime().toString());
    }

private:
    QBasicTimer m_timer;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TickingWindow window;
    window.show();
    return QApplication::exec();
}
