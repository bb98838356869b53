// curtainwall [--locale NAME] [--dump-state-on-exit FILE]: the design window.

#include "bay/locale_names.h"
#include "bay/number_text.h"
#include "input/form.h"
#include "window/qt/main_window.h"
#include "window/qt/widget_look.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage = "usage: curtainwall [--locale NAME] [--dump-state-on-exit FILE]\n";

constexpr const char* kHelp =
    "curtainwall: a design aid for glazed aluminium curtain walls.\n"
    "\n"
    "Opens the design window: describe one bay (grid widths, spans, glazing heights, glass\n"
    "thickness, wind load, deflection criterion) and press NEXT for the required moments of\n"
    "inertia and the suggested Veltra, Korin/Dalvo or Terrax profiles.\n"
    "\n"
    "Options:\n"
    "  --locale NAME               read and write numbers as under NAME (el_GR, en_US);\n"
    "                              the user's regional settings otherwise\n"
    "  --dump-state-on-exit FILE   write the window's state as JSON to FILE on closing\n"
    "  -h, --help                  show this help and exit\n"
    "  --version                   show the version and exit\n"
    "\n"
    "Keyboard: Tab moves between the fields, the arrow keys choose within a group of\n"
    "options, Space presses the focused button, Enter moves on to the next field; Ctrl+O\n"
    "opens a bay file (.cwbay), Ctrl+S saves it, Ctrl+Q quits. curtainwall-replay runs the\n"
    "same window without a display.\n";

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
    std::optional<std::string> locale;
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
            std::fputs("\n", stdout);
            std::fputs(kHelp, stdout);
            return 0;
        } else if (arg == "--version") {
            std::printf("curtainwall %s\n", CW_VERSION);
            return 0;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (locale && !cw::localeInstalled(*locale)) {
        std::fprintf(stderr, "curtainwall: %s\n", cw::unknownLocaleMessage(*locale).c_str());
        return 2;
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
    cw::Form form(cw::NumberFormat::fromLocale(locale.value_or(std::string())));
    cw::gui::WindowOptions options{dumpPath, false, nullptr};
    options.rememberLanguage = true;
    options.localeName = QString::fromStdString(locale.value_or(std::string()));
    cw::gui::MainWindow window(form, std::move(options));
    window.show();
    // The catalogues chosen the last time the program ran, read again: a changed or missing file
    // is said.
    window.catalogues()->checkRemembered();
    return QApplication::exec();
}
