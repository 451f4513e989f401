// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Built with nothing but the flags of `pkg-config --cflags --libs corvanel`:
// a number edit reads back the value it was given.
#include <corvanel/NumberEdit.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    corvanel::TNumberEdit edit;
    edit.SetValue(42);
    return edit.GetValue() == 42 ? 0 : 1;
}
