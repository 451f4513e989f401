// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// A number edit and two unit edits in a form layout; the last line follows
// whatever is typed. Text that is no number reads as 0 and stays as typed.
#include <corvanel/ComponentLoader.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/UnitEdit.h>

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QWidget>

using corvanel::TNumberEdit;
using corvanel::TUnitEdit;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget form;
    auto *layout = new QFormLayout(&form);

    auto *count = new TNumberEdit;
    count->SetNumberType(TNumberEdit::ntInteger);
    count->SetValue(3);
    auto *width = new TUnitEdit;
    width->SetUnit(QStringLiteral("mm"));
    width->SetValue(12.5f);
    auto *height = new TUnitEdit;
    height->SetUnit(QStringLiteral("mm"));
    height->SetValue(40);
    auto *total = new QLabel;

    layout->addRow(QObject::tr("&Panels:"), count);
    layout->addRow(QObject::tr("&Width:"), width);
    layout->addRow(QObject::tr("&Height:"), height);
    layout->addRow(QObject::tr("Total area:"), total);

    const auto update = [=] {
        const double area = count->GetValue() * width->GetValue() * height->GetValue();
        total->setText(QObject::tr("%L1 mm²").arg(area, 0, 'f', 1));
    };
    QObject::connect(count, &TNumberEdit::ValueChanged, total, update);
    QObject::connect(width, &TUnitEdit::ValueChanged, total, update);
    QObject::connect(height, &TUnitEdit::ValueChanged, total, update);
    update();

    // A unit edit places its number and unit parts once, from the width it has
    // then; once the form is shown, the layout has given each its width.
    form.setWindowTitle(QObject::tr("Number and unit edits"));
    form.show();
    corvanel::loadComponents(&form);
    return app.exec();
}
