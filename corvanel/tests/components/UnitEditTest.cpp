// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/UnitEdit.h>

#include <corvanel/ComponentLoader.h>
#include <corvanel/NumberEdit.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

using corvanel::TNumberEdit;
using corvanel::TUnitEdit;

namespace {

class UnitEditOnForm : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(saved); }

    QWidget form;
    TUnitEdit *edit = new TUnitEdit(&form);

private:
    QLocale saved;
};

TEST_F(UnitEditOnForm, startsTwentyHighWithoutParts)
{
    EXPECT_EQ(edit->height(), 20);
    EXPECT_EQ(edit->Unit(), QString());
    EXPECT_EQ(edit->EditColor(), corvanel::clWindow);
    EXPECT_EQ(edit->UnitColor(), corvanel::clBtnFace);
    EXPECT_EQ(edit->NumberPart(), nullptr);
    EXPECT_EQ(edit->UnitPart(), nullptr);
    EXPECT_TRUE(edit->findChildren<QWidget *>().isEmpty());
}

TEST_F(UnitEditOnForm, partsArePlacedFromTheWidthWhenLoaded)
{
    edit->resize(100, 20);
    corvanel::loadComponents(&form);
    ASSERT_NE(edit->NumberPart(), nullptr);
    ASSERT_NE(edit->UnitPart(), nullptr);
    EXPECT_EQ(edit->NumberPart()->geometry(), QRect(0, 0, 70, 20));
    EXPECT_EQ(edit->UnitPart()->geometry(), QRect(72, 2, 30, 18));
    EXPECT_EQ(edit->findChild<TNumberEdit *>("numberPart"), edit->NumberPart());

    form.show();
    edit->resize(300, 20);
    EXPECT_EQ(edit->NumberPart()->geometry(), QRect(0, 0, 270, 20)) << "follows the width";
}

// A layout sizes the control after the form is loaded, and again with the
// window: the parts follow, in both directions.
TEST_F(UnitEditOnForm, partsFollowTheSizeALayoutGivesAsTheWindowGrowsAndShrinks)
{
    auto *layout = new QHBoxLayout(&form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    corvanel::loadComponents(&form);
    ASSERT_NE(edit->NumberPart(), nullptr);
    form.resize(100, 20);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (int width : {278, 400, 60, 20, 150}) {
        SCOPED_TRACE(width);
        form.resize(width, 20);
        QApplication::sendPostedEvents(); // the layout's own pass
        ASSERT_EQ(edit->width(), width);
        EXPECT_EQ(edit->NumberPart()->geometry(), QRect(0, 0, std::max(width - 30, 0), 20));
        EXPECT_EQ(edit->UnitPart()->geometry(), QRect(width - 28, 2, 30, 18));
    }
}

TEST_F(UnitEditOnForm, inADesignerThePartsFollowEveryResize)
{
    edit->setDesigning(true);
    edit->resize(100, 20);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_NE(edit->NumberPart(), nullptr);
    edit->resize(200, 20);
    EXPECT_EQ(edit->NumberPart()->geometry(), QRect(0, 0, 170, 20));
    EXPECT_EQ(edit->UnitPart()->geometry(), QRect(172, 2, 30, 18));
    EXPECT_EQ(edit->sizeHint(), QSize(100, 20));
}

TEST_F(UnitEditOnForm, firstShowCreatesThePartsOnce)
{
    edit->resize(120, 20);
    form.show();
    ASSERT_NE(edit->NumberPart(), nullptr);
    EXPECT_TRUE(edit->NumberPart()->isVisible());
    EXPECT_TRUE(edit->UnitPart()->isVisible());
    EXPECT_EQ(edit->NumberPart()->width(), 90);
    edit->hide();
    edit->show();
    corvanel::loadComponents(&form);
    EXPECT_EQ(edit->findChildren<TNumberEdit *>().size(), 1);
    EXPECT_EQ(edit->findChildren<QLabel *>().size(), 1);
}

TEST_F(UnitEditOnForm, unitSetBeforeThePartsExistIsShownByTheCaption)
{
    edit->SetUnit("mm");
    corvanel::loadComponents(&form);
    EXPECT_EQ(edit->UnitPart()->text(), "mm");
    edit->setProperty("Unit", "kg");
    EXPECT_EQ(edit->UnitPart()->text(), "kg");
}

TEST_F(UnitEditOnForm, valueSetBeforeThePartsExistIsKeptAndHandedOver)
{
    EXPECT_EQ(edit->GetValue(), 0.0f);
    edit->SetValue(12.5f);
    EXPECT_FLOAT_EQ(edit->GetValue(), 12.5f);
    corvanel::loadComponents(&form);
    EXPECT_EQ(edit->NumberPart()->text(), "12.5");
    edit->NumberPart()->setText("3.25");
    EXPECT_FLOAT_EQ(edit->GetValue(), 3.25f);
    edit->setProperty("Value", 0.5);
    EXPECT_EQ(edit->NumberPart()->text(), "0.5");
}

TEST_F(UnitEditOnForm, numberPartStartsEmptyWhenNoValueWasGiven)
{
    corvanel::loadComponents(&form);
    EXPECT_EQ(edit->NumberPart()->text(), QString());
}

TEST_F(UnitEditOnForm, coloursSetBeforeThePartsExistAreApplied)
{
    edit->resize(100, 20);
    edit->SetEditColor(0x00FFFF); // yellow
    edit->SetUnitColor(0xFF0000); // blue
    corvanel::loadComponents(&form);
    EXPECT_EQ(edit->NumberPart()->palette().color(QPalette::Base), QColor(255, 255, 0));
    QImage image(edit->size(), QImage::Format_RGB32);
    edit->render(&image);
    EXPECT_EQ(image.pixelColor(71, 10), QColor(0, 0, 255)) << "gap between the parts";
    EXPECT_EQ(image.pixelColor(99, 19), QColor(0, 0, 255)) << "the caption's corner";
}

TEST_F(UnitEditOnForm, unitColorColoursTheCaptionAndTheBackground)
{
    edit->resize(100, 20);
    edit->SetUnit("kg");
    corvanel::loadComponents(&form);
    edit->SetUnitColor(0x0000FF); // red
    QImage image(edit->size(), QImage::Format_RGB32);
    edit->render(&image);
    EXPECT_EQ(image.pixelColor(71, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(80, 1), QColor(255, 0, 0)) << "above the caption";
    EXPECT_EQ(image.pixelColor(98, 18), QColor(255, 0, 0)) << "inside the caption";
}

TEST_F(UnitEditOnForm, editColorFollowsSystemColoursAndPaletteChanges)
{
    corvanel::loadComponents(&form);
    edit->SetEditColor(corvanel::clBtnFace);
    EXPECT_EQ(edit->NumberPart()->palette().color(QPalette::Base),
              edit->palette().color(QPalette::Button));
    edit->SetEditColor(corvanel::clWindow);
    EXPECT_EQ(edit->NumberPart()->palette().color(QPalette::Base),
              edit->palette().color(QPalette::Base));
    QPalette palette = form.palette();
    palette.setColor(QPalette::Base, QColor(10, 20, 30));
    form.setPalette(palette);
    EXPECT_EQ(edit->NumberPart()->palette().color(QPalette::Base), QColor(10, 20, 30));
}

} // namespace
