// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// A window that shows the program's own version. The build links it in with
// corvanel_add_package_note(corvanel-example-version-label NAME ... VERSION ...)
// and the label reads it back from the running executable once the form is
// loaded: "Version 2.0.0", whatever caption it had before.
#include <corvanel/ComponentLoader.h>
#include <corvanel/Version.h>

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget about;
    auto *layout = new QVBoxLayout(&about);
    layout->addWidget(new QLabel(QObject::tr("Corvanel example")));
    auto *version = new corvanel::TVersionLabel;
    layout->addWidget(version);

    corvanel::loadComponents(&about);
    if (version->GetVersion().isEmpty())
        version->setText(QObject::tr("This program carries no version note."));
    about.setWindowTitle(QObject::tr("About"));
    about.show();
    return app.exec();
}
