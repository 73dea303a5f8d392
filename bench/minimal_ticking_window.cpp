// A window the size of the main window whose display area shows eleven texts that change once a
// second, where the main window shows its eleven display texts: the least a ticking Qt program
// can cost.
#include <QApplication>
#include <QBasicTimer>
#include <QDateTime>
#include <QPainter>
#include <QWidget>

namespace {

// Where the main window puts its display texts, and what this one counts there: the seconds
// since 1970 divided by a unit, kept below a bound where texts share a line, with the unit's
// name (the first line shows the date instead).
struct Line {
    int left, top;
    qint64 divisor, bound;
    const char* unit;
};
constexpr qint64 Unbounded = 0;
constexpr Line Lines[] = {
    {5, 2, 0, Unbounded, ""},
    {30, 37, 31556952, 100, " years"},
    {110, 37, 2629746, 12, " mo"},
    {174, 37, 86400, 31, " days"},
    {30, 64, 604800, Unbounded, " weekends"},
    {30, 91, 86400, Unbounded, " days"},
    {30, 119, 3600, Unbounded, " hours"},
    {30, 146, 60, Unbounded, " minutes"},
    {30, 173, 1, 100, " s"},
    {118, 173, 7, 100, " s"},
    {198, 173, 13, 100, " seconds"},
};
constexpr int DisplayHeight = 200;

class TickingWindow final : public QWidget {
public:
    TickingWindow() {
        setWindowTitle(QStringLiteral("Minimal ticking window"));
        resize(568, 399);
        m_big.setBold(true);
        m_big.setPixelSize(29);
        m_small.setBold(true);
        m_small.setPixelSize(21);
        m_timer.start(1000, this);
    }

protected:
    void timerEvent(QTimerEvent*) override { update(0, 0, width(), DisplayHeight); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), DisplayHeight, QColor(209, 209, 209));
        const QDateTime now = QDateTime::currentDateTime();
        const qint64 seconds = now.toSecsSinceEpoch();
        for (const Line& line : Lines) {
            const bool big = line.divisor == 0;
            painter.setFont(big ? m_big : m_small);
            const qint64 count = big ? 0 : seconds / line.divisor;
            const QString text =
                big ? now.toString()
                    : QString::number(line.bound == Unbounded ? count : count % line.bound) +
                          QLatin1String(line.unit);
            painter.drawText(QRect(line.left, line.top, width() - line.left, 30),
                             Qt::AlignLeft | Qt::AlignTop, text);
        }
    }

private:
    QFont m_big{QStringLiteral("Liberation Serif")};
    QFont m_small{QStringLiteral("Liberation Serif")};
    QBasicTimer m_timer;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TickingWindow window;
    window.show();
    return QApplication::exec();
}
