// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "Main.h"
#include "BoardPictures.h"
#include "OmbrelApplication.h"

int main(int argc, char **argv)
{
    ombrel::OmbrelApplication app(argc, argv);
    app.setWindowIcon(ombrel::BoardPictures::Icon("ombrel"));
    ombrel::TMainForm MainForm;
    MainForm.show();
    app.exec();
    return 0;
}
