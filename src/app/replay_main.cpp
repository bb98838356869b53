// curtainwall-replay [--locale NAME] [SCRIPT]: the window model driven by a script of user
// actions, with its state printed as JSON.

#include "app/replay_script.h"
#include "bay/locale_names.h"

#ifdef CW_WITH_REPORT
#include "app/report_hook.h"
#include "report/report_run.h"

#include <QGuiApplication>
#endif

#include <fstream>
#include <iostream>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::optional<std::string> locale;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--locale" && i + 1 < argc) {
            locale = argv[++i];
        } else if (arg.rfind("--locale=", 0) == 0) {
            locale = arg.substr(9);
        } else if (arg == "-h" || arg == "--help") {
            std::cout << "usage: curtainwall-replay [--locale NAME] [SCRIPT]\n";
            return 0;
        } else if (scriptPath.empty() && (arg == "-" || arg.rfind("--", 0) != 0)) {
            scriptPath = arg;
        } else {
            std::cerr << "usage: curtainwall-replay [--locale NAME] [SCRIPT]\n";
            return 2;
        }
    }
    if (locale && !cw::localeInstalled(*locale)) {
        std::cerr << "curtainwall-replay: " << cw::unknownLocaleMessage(*locale) << '\n';
        return 2;
    }
    const cw::NumberFormat fmt = cw::NumberFormat::fromLocale(locale.value_or(std::string()));
#ifdef CW_WITH_REPORT
    // The PDF writer needs Qt Gui's fonts; the application is made on the first report only,
    // so that scripts without one run exactly as in the headless build. It lives to the end.
    cw::installCalculationReport([](const cw::WindowState& w, const std::string& path) {
        static int appArgc = 1;
        static char appName[] = "curtainwall-replay";
        static char* appArgv[] = {appName, nullptr};
        if (!QGuiApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            new QGuiApplication(appArgc, appArgv);
        }
        return cw::report::writeBayReport(
                   cw::documentOf(w), w.numberFormat(), path,
                   w.userCatalogue ? w.userCatalogue->catalogue.get() : nullptr)
            .error;
    });
#endif
    if (scriptPath.empty() || scriptPath == "-")
        return cw::runReplay(std::cin, std::cout, std::cerr, fmt);
    std::ifstream file(scriptPath, std::ios::binary);
    if (!file) {
        std::cerr << "cannot open " << scriptPath << '\n';
        return 2;
    }
    return cw::runReplay(file, std::cout, std::cerr, fmt);
}
