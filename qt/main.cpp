// SPDX-License-Identifier: GPL-3.0-or-later
// FreeVantor desktop program: the Qt front-end over the program's logic.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Conversions.h"
#include "FormHost.h"
#include "Help.h"
#include "ProgramIdentity.h"
#include "QtDesktop.h"
#include "TimerHost.h"
#include "Translations.h"
#include "UiFont.h"
#include "language/English.h"
#include "app/Program.h"
#include "windows/control/ControlWindow.h"
#include "platform/files/CleanupOnSignal.h"
#include "platform/files/Files.h"

namespace {

struct Options {
    int colorDepth = 0;
    std::string screenshotDir;
    int screenshotDelayMs = 1500;
    std::vector<std::string> show;
    // A data set to load at start, as the load command would.
    std::string dataSet;
    // Chosen on the command line; otherwise the locale decides.
    std::optional<vantor::Language> language;
};

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: vantor [--lang ja|en] [--color-depth 8] [--show WINDOW]... [--screenshot-dir DIR [--screenshot-delay MS]] [DATA]\n"
                 "       vantor --version\n"
                 "  DATA                 a data set (.va4, .va2, .csv, .van) to load at start\n"
                 "  --lang ja|en         the interface's language (default: Japanese when\n"
                 "                       LC_ALL, LC_MESSAGES or LANG is ja*, English otherwise)\n"
                 "  --color-depth 8      behave as on a 256-colour screen (palette path)\n"
                 "  --show WINDOW        also show a window at start (DisplayWindow, EditorWindow, ScenarioWindow, ...)\n"
                 "  --screenshot-dir DIR save every visible window as DIR/<window>.png, then quit\n"
                 "  --version            print the version and exit\n");
}

void version() {
    std::printf("vantor (FreeVantor) %s\n"
                "Copyright 2026 FreeVantor maintainers\n"
                "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                "This is free software: you are free to change and redistribute it.\n"
                "There is NO WARRANTY, to the extent permitted by law.\n",
                VANTOR_VERSION);
}

// What is wrong with the command line, empty when nothing is.
std::string parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        const char* v = nullptr;
        // The option's value; false (and the message) when it is missing.
        auto value = [&]() {
            v = i + 1 < argc ? argv[++i] : nullptr;
            return v != nullptr;
        };
        const std::string missing = a + " needs a value";
        if (a == "--color-depth") {
            if (!value()) return missing;
            o.colorDepth = std::atoi(v);
            if (o.colorDepth <= 0) return "--color-depth must be a positive number of bits, not '" + std::string(v) + "'";
        } else if (a == "--screenshot-dir") {
            if (!value()) return missing;
            o.screenshotDir = v;
        } else if (a == "--screenshot-delay") {
            if (!value()) return missing;
            o.screenshotDelayMs = std::atoi(v);
        } else if (a == "--lang") {
            if (!value()) return missing;
            o.language = vantor::languageNamed(v);
            if (!o.language) return "unknown language '" + std::string(v) + "' for --lang (ja or en)";
        } else if (a == "--show") {
            if (!value()) return missing;
            o.show.push_back(v);
        } else if (a == "-h" || a == "--help") {
            usage(stdout);
            std::exit(0);
        } else if (a == "--version") {
            version();
            std::exit(0);
        } else if (!a.empty() && a[0] != '-' && o.dataSet.empty()) {
            o.dataSet = a;
        } else if (!a.empty() && a[0] != '-') {
            return "only one data set can be loaded at start, not also '" + a + "'";
        } else {
            return "unknown option '" + a + "'";
        }
    }
    return {};
}

bool haveDisplay() {
    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa && *qpa) return true;
    const char* x = std::getenv("DISPLAY");
    const char* w = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (w && *w);
}

}  // namespace

int main(int argc, char** argv) {
    // An interrupt removes the temporaries of the save under way.
    vantor::cleanup::installSignalCleanup();
    Options opts;
    if (const std::string problem = parse(argc, argv, opts); !problem.empty()) {
        std::fprintf(stderr, "vantor: %s\n", problem.c_str());
        usage(stderr);
        return 2;
    }
    if (!haveDisplay()) {
        std::fprintf(stderr,
                     "vantor: no graphical display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "FreeVantor shows its windows on a desktop: start it from a desktop session.\n"
                     "vantor-cli renders pictures and exports solids without a display.\n");
        return 1;
    }

    // Whole scale factors keep the pictures crisp: every picture pixel
    // becomes a block of equal screen pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    vantor::qt::setProgramIdentity();
    // The command line first, then the language chosen in the menu for this
    // start, then the locale's.
    const std::string userConfigFolder = vantor::userConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    const QString settingsFile =
        userConfigFolder.empty() ? QString() : QString::fromStdString(userConfigFolder) + "/settings.ini";
    if (!opts.language && !settingsFile.isEmpty())
        opts.language = vantor::languageNamed(QSettings(settingsFile, QSettings::IniFormat).value("language").toString().toStdString());
    const vantor::Language language = opts.language.value_or(
        vantor::languageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    vantor::qt::installQtTranslations(app, language);
    // Qt's own dialogs (file types, dates, sizes) speak the interface's
    // language, not the locale's.
    QLocale::setDefault(QLocale(language == vantor::Language::English ? QLocale::English : QLocale::Japanese));
    QFont uiFont = vantor::qt::toQFont(vantor::Font{});
    QApplication::setFont(uiFont);

    vantor::qt::QtDesktop desktop(opts.colorDepth, language);
    vantor::ProgramConfig config;
    config.currentFolder = QDir::currentPath().toStdString();
    config.programFolder = vantor::executableFolder();
    config.userConfigFolder = userConfigFolder;
    desktop.setSettingsFile(settingsFile);
    config.language = language;
    const QString examples = vantor::qt::examplesFolder();
    config.examplesFolder = examples.toStdString();
    // On the first start the open dialog shows the examples.
    if (!settingsFile.isEmpty()) {
        QSettings settings(settingsFile, QSettings::IniFormat);
        if (!settings.value("started", false).toBool() && !examples.isEmpty()) desktop.setFirstOpenFolder(examples);
        settings.setValue("started", true);
    }
    vantor::Program program(desktop, config);

    std::vector<std::unique_ptr<vantor::qt::FormHost>> hosts;
    for (vantor::Form* form : program.forms()) {
        hosts.push_back(std::make_unique<vantor::qt::FormHost>(*form, program, language));
        desktop.registerHost(*form, hosts.back().get());
    }
    vantor::qt::TimerHost timer(program.clock.timer, program);

    // Closing the main window (after the save question) ends the program;
    // the other windows close with it.
    QApplication::setQuitOnLastWindowClosed(false);

    program.controlWindow().show();
    QTimer::singleShot(0, [&] {
        program.dispatch([&] { program.controlWindow().activate(); });
        if (!opts.dataSet.empty()) program.dispatch([&] { program.controlWindow().LoadFile(opts.dataSet); });
        for (const std::string& name : opts.show)
            for (vantor::Form* f : program.forms())
                if (f->name() == name) program.dispatch([f] { f->show(); });
    });

    if (!opts.screenshotDir.empty()) {
        QTimer::singleShot(opts.screenshotDelayMs, [&] {
            QDir().mkpath(vantor::qt::q(opts.screenshotDir));
            for (auto& h : hosts) {
                if (!h->isVisible()) continue;
                QString path = vantor::qt::q(opts.screenshotDir) + "/" + h->objectName() + ".png";
                h->grab().save(path);
                std::printf("saved %s\n", path.toStdString().c_str());
            }
            QCoreApplication::exit(0);
        });
    }
    return app.exec();
}
