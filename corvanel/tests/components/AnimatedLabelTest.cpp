// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/AnimatedLabel.h>

#include <corvanel/Colors.h>

#include <QImage>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>

using corvanel::TAnimatedLabel;

namespace {

const QColor buttonFace(200, 210, 220);
const QColor windowBackground(255, 255, 255);
const QColor textColor(0, 0, 0);

// Full blocks: glyphs whose inside pixels carry the exact text colour.
const QString blocks = QString(12, QChar(0x2588));

// A label whose colours tell the looks apart: the button face differs from the
// window background that shows where the label paints nothing.
std::unique_ptr<TAnimatedLabel> makeLabel(int width, TAnimatedLabel::TAnimationType type)
{
    auto label = std::make_unique<TAnimatedLabel>();
    QPalette palette = label->palette();
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::Window, windowBackground);
    palette.setColor(QPalette::WindowText, textColor);
    label->setPalette(palette);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(20);
    label->setFont(font);
    label->setText(blocks);
    label->resize(width, 30);
    label->SetAnimationType(type);
    return label;
}

void advanceTo(TAnimatedLabel &label, qint64 tick)
{
    while (label.Ticks() < tick)
        label.OnTimer(nullptr);
}

QImage renderAt(TAnimatedLabel &label, qint64 tick)
{
    advanceTo(label, tick);
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    label.render(&image);
    return image;
}

bool contains(const QImage &image, const QColor &color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

bool isUniform(const QImage &image, const QColor &color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != color)
                return false;
    return true;
}

// First and last column holding a pixel other than the button face.
struct Ink
{
    int first;
    int last;
};

std::optional<Ink> inkColumns(const QImage &image)
{
    std::optional<Ink> ink;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != buttonFace) {
                if (!ink)
                    ink = Ink{x, x};
                ink->last = x;
                break;
            }
    return ink;
}

TEST(AnimatedLabel, startsWithoutAnimationAtAHundredMilliseconds)
{
    TAnimatedLabel label;
    EXPECT_EQ(label.AnimationType(), TAnimatedLabel::atNone);
    EXPECT_EQ(label.GetInterval(), 100);
    EXPECT_EQ(label.Ticks(), 0);
    const auto *timer = label.findChild<QTimer *>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(label.property("AnimationType").toInt(), TAnimatedLabel::atNone);
}

TEST(AnimatedLabel, normalLookFillsTheColorAndShowsTheCaption)
{
    auto label = makeLabel(200, TAnimatedLabel::atNone);
    label->SetColor(0x00FF00); // green
    const QImage image = renderAt(*label, 0);
    EXPECT_EQ(image.pixelColor(199, 29), QColor(0, 255, 0));
    EXPECT_TRUE(contains(image, textColor));
}

TEST(AnimatedLabel, flashHidesTheCaptionForTenTicksThenShowsItForTen)
{
    auto label = makeLabel(200, TAnimatedLabel::atFlash);
    EXPECT_TRUE(isUniform(renderAt(*label, 0), buttonFace));
    EXPECT_TRUE(isUniform(renderAt(*label, 9), buttonFace));
    EXPECT_TRUE(contains(renderAt(*label, 10), textColor));
    EXPECT_TRUE(contains(renderAt(*label, 19), textColor));
    EXPECT_TRUE(isUniform(renderAt(*label, 20), buttonFace));
}

TEST(AnimatedLabel, flyMovesTheCaptionTwoPixelsLeftPerTickAndWraps)
{
    // Where the ink of a caption drawn at x = 200 begins and ends tells the
    // glyphs' own bearings, so the positions below hold for any font.
    const QString caption(10, QLatin1Char('H'));
    auto wide = makeLabel(400, TAnimatedLabel::atFly);
    wide->setText(caption);
    const auto whole = inkColumns(renderAt(*wide, 100));
    ASSERT_TRUE(whole);
    const int bearing = whole->first - 200;
    const int tail = whole->last - 200;
    ASSERT_GE(bearing, 0);
    ASSERT_LE(bearing, 1);
    ASSERT_GT(tail, 100);

    auto label = makeLabel(100, TAnimatedLabel::atFly);
    label->setText(caption);
    EXPECT_FALSE(inkColumns(renderAt(*label, 0))) << "x = 100 is just right of the label";
    const auto at98 = inkColumns(renderAt(*label, 1));
    ASSERT_TRUE(at98);
    EXPECT_EQ(at98->first, 98 + bearing);
    const auto at0 = inkColumns(renderAt(*label, 50));
    ASSERT_TRUE(at0);
    EXPECT_EQ(at0->first, bearing);
    const auto atMinus98 = inkColumns(renderAt(*label, 99));
    ASSERT_TRUE(atMinus98);
    EXPECT_EQ(atMinus98->last, tail - 98);
    EXPECT_FALSE(inkColumns(renderAt(*label, 100))) << "back at x = 100";
    const auto again98 = inkColumns(renderAt(*label, 101));
    ASSERT_TRUE(again98);
    EXPECT_EQ(again98->first, 98 + bearing);
}

TEST(AnimatedLabel, fadeRunsFromTheButtonFaceToTheTextColourAndBack)
{
    auto label = makeLabel(200, TAnimatedLabel::atFade);
    const QImage in0 = renderAt(*label, 0);
    EXPECT_TRUE(contains(in0, buttonFace));
    EXPECT_FALSE(contains(in0, textColor));
    EXPECT_TRUE(contains(renderAt(*label, 9), textColor));
    EXPECT_TRUE(contains(renderAt(*label, 10), textColor));
    const QImage out9 = renderAt(*label, 19);
    EXPECT_TRUE(contains(out9, buttonFace));
    EXPECT_FALSE(contains(out9, textColor));
}

TEST(AnimatedLabel, fadeStepsTruncateTowardZero)
{
    auto label = makeLabel(200, TAnimatedLabel::atFade);
    // Step 4 of the fade in from (200, 210, 220) to black: 200 - 800 / 9 etc.
    EXPECT_TRUE(contains(renderAt(*label, 4), QColor(112, 117, 123)));
    // Step 4 of the fade out: 0 + 800 / 9 etc.
    EXPECT_TRUE(contains(renderAt(*label, 14), QColor(88, 93, 97)));
}

TEST(AnimatedLabel, fadeOnlyPaintsTheTextCells)
{
    auto label = makeLabel(400, TAnimatedLabel::atFade);
    label->setText(QStringLiteral(" ") + blocks);
    const QImage image = renderAt(*label, 9);
    EXPECT_EQ(image.pixelColor(399, 29), windowBackground);
    EXPECT_EQ(image.pixelColor(2, 10), buttonFace) << "the leading space's cell";
}

TEST(AnimatedLabel, fadeWithABlackColorFadesFromBlack)
{
    auto label = makeLabel(200, TAnimatedLabel::atFade);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(90, 180, 255));
    label->setPalette(palette);
    label->SetColor(corvanel::clBlack);
    EXPECT_TRUE(contains(renderAt(*label, 0), QColor(0, 0, 0)));
    EXPECT_TRUE(contains(renderAt(*label, 3), QColor(30, 60, 85)));
}

TEST(AnimatedLabel, changingTheTypeCarriesOnFromTheCurrentTick)
{
    auto label = makeLabel(200, TAnimatedLabel::atNone);
    advanceTo(*label, 15);
    label->SetAnimationType(TAnimatedLabel::atFlash);
    EXPECT_EQ(label->Ticks(), 15);
    EXPECT_TRUE(contains(renderAt(*label, 15), textColor));
}

TEST(AnimatedLabel, intervalChangesTheTimerAtOnce)
{
    TAnimatedLabel label;
    const auto *timer = label.findChild<QTimer *>();
    ASSERT_NE(timer, nullptr);
    label.SetInterval(250);
    EXPECT_EQ(timer->interval(), 250);
    EXPECT_TRUE(timer->isActive());
    label.setProperty("Interval", 40);
    EXPECT_EQ(label.GetInterval(), 40);
}

TEST(AnimatedLabel, aZeroIntervalStopsTheTicksInsteadOfSpinning)
{
    TAnimatedLabel label;
    const auto *timer = label.findChild<QTimer *>();
    label.SetInterval(0);
    EXPECT_FALSE(timer->isActive());
    label.SetInterval(-5);
    EXPECT_EQ(label.GetInterval(), 0);
    EXPECT_FALSE(timer->isActive());
    label.SetInterval(100);
    EXPECT_TRUE(timer->isActive());
}

} // namespace
