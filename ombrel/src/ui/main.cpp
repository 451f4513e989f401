// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "Main.h"
#include "About.h"
#include "BoardPictures.h"
#include "OmbrelApplication.h"
#include "ui_About.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstring>

namespace {

const QCommandLineOption
    CheckOption("check", "Start, report where the manual is and which version this is, and quit.");

void DeclareOptions(QCommandLineParser &options)
{
    options.setApplicationDescription("Ombrel, a board game of the mancala family.");
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(CheckOption);
}

bool AsksForHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

// --check: what an installation needs, reported on stdout. The window is made
// and shown as usual, so this also proves that the game starts.
int CheckInstallation(const ombrel::TMainForm &window)
{
    QTextStream out(stdout);
    const QString help = ombrel::TMainForm::HelpFilePath();
    const QString version = window.AboutBox().Form().VersionLabel1->GetVersion();
    out << "help: " << (help.isEmpty() ? "not found" : help) << '\n';
    out << "version: " << (version.isEmpty() ? "not found" : version) << '\n';
    return help.isEmpty() || version.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCommandLineParser options;
    DeclareOptions(options);
    if (AsksForHelpOrVersion(argc, argv)) {
        // Answered without a window system, so it works on any terminal.
        QCoreApplication core(argc, argv);
        ombrel::OmbrelApplication::Describe(core);
        options.process(core); // prints and exits
        return 0;
    }

    ombrel::OmbrelApplication app(argc, argv);
    app.setWindowIcon(ombrel::BoardPictures::Icon("ombrel"));
    options.process(app);

    ombrel::TMainForm MainForm;
    MainForm.show();
    if (options.isSet(CheckOption))
        return CheckInstallation(MainForm);
    app.exec();
    return 0;
}
