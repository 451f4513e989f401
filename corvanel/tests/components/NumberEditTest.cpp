// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/NumberEdit.h>
#include <corvanel/UnitEdit.h>

#include <QImage>
#include <QLocale>
#include <QMetaProperty>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

using corvanel::TNumberEdit;

namespace {

// Runs each case under a chosen default locale and puts the old one back.
class NumberEditIn : public ::testing::Test
{
protected:
    void TearDown() override { QLocale::setDefault(saved); }
    void useLocale(QLocale::Language language, QLocale::Territory territory)
    {
        QLocale::setDefault(QLocale(language, territory));
    }

    TNumberEdit edit;

private:
    QLocale saved;
};

float valueOf(TNumberEdit &edit, const QString &text)
{
    edit.setText(text);
    return edit.GetValue();
}

TEST_F(NumberEditIn, fullStopLocaleReadsNumbers)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    EXPECT_FLOAT_EQ(valueOf(edit, "12.5"), 12.5f);
    EXPECT_TRUE(edit.Validate());
    EXPECT_FLOAT_EQ(valueOf(edit, "-3"), -3.0f);
    EXPECT_FLOAT_EQ(valueOf(edit, " 7.25 "), 7.25f);
    EXPECT_FLOAT_EQ(valueOf(edit, "1e3"), 1000.0f);
}

TEST_F(NumberEditIn, commaLocaleReadsNumbersWithItsOwnSeparator)
{
    useLocale(QLocale::German, QLocale::Germany);
    EXPECT_FLOAT_EQ(valueOf(edit, "12,5"), 12.5f);
    EXPECT_TRUE(edit.Validate());
    EXPECT_EQ(valueOf(edit, "12.5"), 0.0f);
    EXPECT_FALSE(edit.Validate());
}

TEST_F(NumberEditIn, textThatIsNoNumberReadsAsZeroAndStaysAsTyped)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    for (const char *text : {"abc", "", "12.5kg", "1,234"}) {
        EXPECT_EQ(valueOf(edit, text), 0.0f) << text;
        EXPECT_FALSE(edit.Validate()) << text;
        EXPECT_EQ(edit.text(), QString::fromLatin1(text));
    }
}

TEST_F(NumberEditIn, numbersAFloatCannotHoldReadAsZero)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    for (const char *text : {"1e39", "-1e39", "inf", "nan", "1e400"}) {
        EXPECT_EQ(valueOf(edit, text), 0.0f) << text;
        EXPECT_FALSE(edit.Validate()) << text;
    }
    EXPECT_FLOAT_EQ(valueOf(edit, "3e38"), 3e38f);
}

TEST_F(NumberEditIn, valueIsShownWithSevenSignificantDigits)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    edit.SetValue(1.0f / 3.0f);
    EXPECT_EQ(edit.text(), "0.3333333");
    edit.SetValue(12.5f);
    EXPECT_EQ(edit.text(), "12.5");
    edit.SetValue(0);
    EXPECT_EQ(edit.text(), "0");
}

TEST_F(NumberEditIn, infinityAndNanAreShownAsTheNeutralZero)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    for (float value :
         {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
          std::numeric_limits<float>::quiet_NaN()}) {
        edit.SetValue(12.5f);
        edit.SetValue(value);
        EXPECT_EQ(edit.text(), "0") << value;
        EXPECT_TRUE(edit.Validate()) << value;
        EXPECT_EQ(edit.GetValue(), 0.0f) << value;
        corvanel::TUnitEdit unitEdit; // keeps the value itself until it has parts
        unitEdit.SetValue(value);
        EXPECT_EQ(unitEdit.GetValue(), 0.0f) << value;
    }
}

TEST_F(NumberEditIn, shownValuesReadBackInEitherLocale)
{
    for (auto language : {QLocale::English, QLocale::German}) {
        useLocale(language, QLocale::AnyTerritory);
        for (float value : {1234567.0f, 12345678.0f, -0.000125f, 2.5e-9f}) {
            edit.SetValue(value);
            EXPECT_FALSE(edit.text().contains(QLocale().groupSeparator()))
                << edit.text().toStdString();
            EXPECT_NEAR(edit.GetValue(), value, std::abs(value) * 1e-6f)
                << edit.text().toStdString();
        }
    }
    useLocale(QLocale::German, QLocale::Germany);
    edit.SetValue(1.0f / 3.0f);
    EXPECT_EQ(edit.text(), "0,3333333");
}

// Only the decimal separator is the locale's: digits, minus sign and
// exponent are ASCII, so every text the edit writes reads back, whatever the
// locale's own digits or signs are.
TEST_F(NumberEditIn, shownValuesReadBackInEveryLocale)
{
    const QList<QLocale> locales{
        QLocale(QLocale::Swedish, QLocale::Sweden), QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),   QLocale(QLocale::German, QLocale::Switzerland),
        QLocale(QLocale::French, QLocale::France),  QLocale::c()};
    for (const QLocale &locale : locales) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        for (float value : {12345678.0f, -1.5f, 1234567.0f, -0.000125f, 2.5e-9f, 3e38f, 1.0f,
                            -1e-30f, 0.0f, 100.0f}) {
            edit.SetValue(value);
            const QString shown = edit.text();
            EXPECT_TRUE(edit.Validate()) << shown.toStdString();
            EXPECT_NEAR(edit.GetValue(), value, std::abs(value) * 1e-6f) << shown.toStdString();
            edit.SetValue(edit.GetValue()); // what was read shows the same text
            EXPECT_EQ(edit.text(), shown);
        }
    }
}

TEST_F(NumberEditIn, generalFormatUsesTheLocalesDecimalSeparatorOnly)
{
    useLocale(QLocale::Swedish, QLocale::Sweden);
    edit.SetValue(12345678.0f);
    EXPECT_EQ(edit.text(), "1,234568E7");
    edit.SetValue(-1.5f);
    EXPECT_EQ(edit.text(), "-1,5");
    useLocale(QLocale::Arabic, QLocale::Egypt);
    edit.SetValue(-1.5f);
    EXPECT_EQ(edit.text(), QLocale().decimalPoint().prepend("-1") + "5");
    useLocale(QLocale::English, QLocale::UnitedStates);
    edit.SetValue(12345678.0f);
    EXPECT_EQ(edit.text(), "1.234568E7");
    edit.SetValue(1234567.0f);
    EXPECT_EQ(edit.text(), "1234567");
    edit.SetValue(2.5e-9f);
    EXPECT_EQ(edit.text(), "2.5E-9");
    edit.SetValue(0.00001f);
    EXPECT_EQ(edit.text(), "0.00001");
    for (const char *typed : {"1e5", "1E5", "1E+5", "+1e5", "100000"})
        EXPECT_EQ(valueOf(edit, typed), 1e5f) << typed;
    for (const char *typed : {"1e", "e5", ".", "-", "1..2", "1e5.5", "0x10", "\u0661"})
        EXPECT_FALSE((valueOf(edit, QString::fromUtf8(typed)), edit.Validate())) << typed;
}

TEST_F(NumberEditIn, typedTextBecomesTheValue)
{
    useLocale(QLocale::English, QLocale::UnitedStates);
    QTest::keyClicks(&edit, "42.75");
    EXPECT_FLOAT_EQ(edit.GetValue(), 42.75f);
    EXPECT_FLOAT_EQ(edit.property("Value").toFloat(), 42.75f);
}

TEST_F(NumberEditIn, formKeepsTheNumberButNotTheText)
{
    const QMetaObject *meta = edit.metaObject();
    const QMetaProperty text = meta->property(meta->indexOfProperty("text"));
    EXPECT_FALSE(text.isDesignable());
    EXPECT_FALSE(text.isStored());
    EXPECT_TRUE(meta->property(meta->indexOfProperty("Value")).isValid());
    EXPECT_EQ(edit.NumberType(), TNumberEdit::ntInteger);
    edit.setProperty("NumberType", TNumberEdit::ntFloat);
    EXPECT_EQ(edit.NumberType(), TNumberEdit::ntFloat);
}

TEST(NumberEdit, showsItsTextRightAligned)
{
    TNumberEdit edit;
    edit.resize(200, 24);
    edit.SetValue(7);
    EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
    QImage image(edit.size(), QImage::Format_RGB32);
    edit.render(&image);
    const QColor base = edit.palette().color(QPalette::Base);
    int firstInk = -1;
    for (int x = 4; x < image.width() - 4 && firstInk < 0; ++x)
        for (int y = 4; y < image.height() - 4; ++y)
            if (qGray(image.pixel(x, y)) < qGray(base.rgb()) - 100) {
                firstInk = x;
                break;
            }
    EXPECT_GT(firstInk, 150) << "the digit sits at the right edge";
}

} // namespace
