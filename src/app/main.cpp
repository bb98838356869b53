// curtainwall [--locale NAME] [--dump-state-on-exit FILE]: the design window.

#include "design/number_text.h"
#include "window/qt/main_window.h"
#include "window/qt/widget_look.h"
#include "window/window_model.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kUsage = "usage: curtainwall [--locale NAME] [--dump-state-on-exit FILE]\n";

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Without a display Qt would only fail with a platform-plugin error; say what to do instead.
bool displayAvailable() {
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    std::string locale;
    QString dumpPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--locale" && i + 1 < argc) {
            locale = argv[++i];
        } else if (arg.rfind("--locale=", 0) == 0) {
            locale = arg.substr(9);
        } else if (arg == "--dump-state-on-exit" && i + 1 < argc) {
            dumpPath = QString::fromLocal8Bit(argv[++i]);
        } else if (arg.rfind("--dump-state-on-exit=", 0) == 0) {
            dumpPath = QString::fromLocal8Bit(arg.substr(21));
        } else if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (!displayAvailable()) {
        std::fputs(
            "curtainwall: no display; run it under a virtual one: "
            "xvfb-run -s '-screen 0 1280x1024x24' build/bin/curtainwall\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    cw::gui::setUpApplication(app);
    cw::Form form(cw::NumberFormat::fromLocale(locale));
    cw::gui::MainWindow window(form, {dumpPath, false});
    window.show();
    return QApplication::exec();
}
