// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// A picture of the three controls on a form for a person to look at (saved
// next to the test executable, path printed).
#include <corvanel/AnimatedLabel.h>
#include <corvanel/ComponentLoader.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/UnitEdit.h>

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <gtest/gtest.h>

#include <iostream>

using namespace corvanel;

namespace {

TAnimatedLabel *labelAt(QWidget *form, int y, const QString &text,
                        TAnimatedLabel::TAnimationType type, int tick)
{
    auto *label = new TAnimatedLabel(form);
    label->setText(text);
    label->setGeometry(130, y, 200, 20);
    label->SetAnimationType(type);
    label->SetInterval(0); // hold the chosen tick still
    while (label->Ticks() < tick)
        label->OnTimer(nullptr);
    auto *caption = new QLabel(QStringLiteral("%1 (tick %2):").arg(text).arg(tick), form);
    caption->setGeometry(10, y, 115, 20);
    return label;
}

TEST(LabelControls, pictureOfTheControls)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QWidget form;
    form.resize(360, 240);
    labelAt(&form, 10, QStringLiteral("Normal"), TAnimatedLabel::atNone, 0);
    labelAt(&form, 35, QStringLiteral("Flash"), TAnimatedLabel::atFlash, 12);
    labelAt(&form, 60, QStringLiteral("Fly"), TAnimatedLabel::atFly, 30);
    labelAt(&form, 85, QStringLiteral("Fade"), TAnimatedLabel::atFade, 5);

    auto *number = new TNumberEdit(&form);
    number->setGeometry(130, 120, 120, 22);
    number->SetValue(1.0f / 3.0f);
    (new QLabel(QStringLiteral("Number edit:"), &form))->setGeometry(10, 120, 115, 22);

    auto *length = new TUnitEdit(&form);
    length->setGeometry(130, 155, 100, 20);
    length->SetUnit(QStringLiteral("mm"));
    length->SetValue(25.4f);
    (new QLabel(QStringLiteral("Unit edit:"), &form))->setGeometry(10, 155, 115, 20);

    auto *weight = new TUnitEdit(&form);
    weight->setGeometry(130, 190, 140, 20);
    weight->SetUnit(QStringLiteral("kg"));
    weight->SetUnitColor(0xC0FFFF); // light yellow
    weight->SetEditColor(0xFFF0E0); // light blue
    weight->SetValue(72.5f);
    (new QLabel(QStringLiteral("Coloured:"), &form))->setGeometry(10, 190, 115, 20);

    loadComponents(&form);
    form.show();
    const QString path = QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral("corvanel-label-controls.png"));
    ASSERT_TRUE(form.grab().save(path));
    std::cout << "picture of the controls: " << path.toStdString() << std::endl;
    EXPECT_EQ(length->NumberPart()->text(), "25.4");
    QLocale::setDefault(saved);
}

} // namespace
