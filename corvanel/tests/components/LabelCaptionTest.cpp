// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// What the library's labels show of an '&' (ShowAccelChar), and the animated
// label's background with and without its parent's colour, at device pixel
// ratios 1 and 2.
#include "DeclaredDefaults.h"
#include <corvanel/AnimatedLabel.h>
#include <corvanel/Colors.h>
#include <corvanel/URLStatic.h>
#include <corvanel/Version.h>

#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace corvanel;

namespace {

const QColor parentColour(30, 140, 60);

QImage rendered(QWidget &widget, qreal dpr)
{
    QImage image(widget.size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

struct LabelKind
{
    const char *name;
    std::function<QLabel *(QWidget *parent)> make;
    std::function<void(QLabel *, bool)> showAccelChar;
};

template <typename T> LabelKind kind(const char *name)
{
    return {name, [](QWidget *parent) -> QLabel * { return new T(parent); },
            [](QLabel *label, bool show) { static_cast<T *>(label)->SetShowAccelChar(show); }};
}

class LabelAccelerator : public ::testing::TestWithParam<LabelKind>
{
protected:
    QImage caption(const QString &text, bool showAccelChar, qreal dpr)
    {
        QWidget form;
        form.resize(200, 40);
        QLabel *label = GetParam().make(&form);
        label->setGeometry(0, 0, 200, 40);
        label->setText(text);
        GetParam().showAccelChar(label, showAccelChar);
        return rendered(form, dpr);
    }
};

} // namespace

TEST_P(LabelAccelerator, anAmpersandMarksTheAcceleratorUnlessSwitchedOff)
{
    const QMetaObject *meta = GetParam().make(nullptr)->metaObject();
    EXPECT_EQ(DeclaredDefaults(meta).find("ShowAccelChar")->value, QVariant(true));
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        EXPECT_NE(caption("&Save", true, dpr), caption("&Save", false, dpr));
        EXPECT_EQ(caption("Fish && Chips", true, dpr), caption("Fish & Chips", false, dpr));
        EXPECT_EQ(caption("Save", true, dpr), caption("Save", false, dpr));
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelAccelerator,
                         ::testing::Values(kind<TAnimatedLabel>("animated"),
                                           kind<TVersionLabel>("version"),
                                           kind<TURLStatic>("link")),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AnimatedLabelColor, takesItsParentsColourUntilAColourIsSet)
{
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        QWidget form;
        form.resize(120, 40);
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, parentColour);
        form.setPalette(palette);
        form.setAutoFillBackground(true);
        auto *label = new TAnimatedLabel(&form);
        label->setGeometry(10, 10, 100, 20);
        EXPECT_TRUE(label->ParentColor());
        EXPECT_EQ(label->Color(), fromQColor(parentColour));
        EXPECT_EQ(rendered(form, dpr).pixelColor(QPoint(100, 25) * dpr), parentColour);

        label->SetColor(clBlue);
        EXPECT_FALSE(label->ParentColor());
        EXPECT_EQ(rendered(form, dpr).pixelColor(QPoint(100, 25) * dpr), QColor(0, 0, 255));
        EXPECT_TRUE(label->property("Color").isValid());

        label->SetParentColor(true);
        EXPECT_EQ(label->Color(), fromQColor(parentColour));
        EXPECT_EQ(rendered(form, dpr).pixelColor(QPoint(100, 25) * dpr), parentColour);
    }
}

TEST(AnimatedLabelColor, aFormKeepsColorOnlyWhenItIsTheLabelsOwn)
{
    TAnimatedLabel label;
    const DeclaredDefaults defaults(label.metaObject());
    EXPECT_FALSE(defaults.isStored(&label, "Color"));
    EXPECT_FALSE(defaults.isStored(&label, "ParentColor"));
    label.SetColor(clBtnFace);
    EXPECT_TRUE(defaults.isStored(&label, "Color"));
    EXPECT_TRUE(defaults.isStored(&label, "ParentColor"));
    label.SetParentColor(true);
    EXPECT_FALSE(defaults.isStored(&label, "Color"));
}

TEST(AnimatedLabelColor, theFadeRunsToAColouredParentsColour)
{
    QWidget form;
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, parentColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    form.setPalette(palette);
    auto *label = new TAnimatedLabel(&form);
    label->setText(QString(8, QChar(0x2588)));
    label->resize(150, 30);
    label->SetAnimationType(TAnimatedLabel::atFade);
    QImage image(label->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    label->render(&image); // tick 0: the text in the background colour
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
        for (int x = 0; x < image.width() && !found; ++x)
            found = image.pixelColor(x, y) == parentColour;
    EXPECT_TRUE(found);
}
