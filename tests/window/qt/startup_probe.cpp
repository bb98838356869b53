// Prints how long after the process began the window was first painted, then its peak
// memory, and quits: the program's own start-up path, with a watch on the first paint.

#include "window/qt/main_window.h"
#include "window/qt/widget_look.h"
#include "input/form.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

double nowSeconds() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

QByteArray peakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed();
    return "?";
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Once this paint has gone out to the screen.
            QTimer::singleShot(0, [] {
                std::printf("first_paint_epoch %.6f\npeak_rss %s\n", nowSeconds(),
                            peakMemory().constData());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    cw::gui::setUpApplication(app);
    cw::Form form(cw::NumberFormat::fromLocale("el_GR"));
    cw::gui::MainWindow window(form);
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
