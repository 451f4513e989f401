// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ButtonTestArt.h"
#include <corvanel/ButtonGlyph.h>
#include <corvanel/ComponentLoader.h>
#include <corvanel/FancyButton.h>
#include <corvanel/GlyphList.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvanel;
using namespace buttontest;

namespace {

QRgb rgb(QRgb pixel)
{
    return pixel & RGB_MASK;
}

QImage rendered(QWidget &widget, qreal dpr = 1, QRgb background = qRgb(255, 255, 255))
{
    QImage image(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(background);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void press(QWidget *w, QPoint pos = QPoint(5, 5))
{
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}

void drag(QWidget *w, QPoint pos)
{
    sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

void release(QWidget *w, QPoint pos = QPoint(5, 5), Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

void click(QWidget *w, QPoint pos = QPoint(5, 5))
{
    press(w, pos);
    release(w, pos);
}

void enter(QWidget *w)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(w, &event);
}

class FancyButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.resize(300, 120);
        form.move(0, 0);
    }

    // A shown form, so paints, focus and shortcuts behave as on screen.
    void show()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    TFancyButton *button(int x = 10, int cells = 0)
    {
        auto *b = new TFancyButton(&form);
        if (cells > 0)
            b->SetGlyph(QPixmap::fromImage(cellStrip(cells)));
        b->move(x, 10);
        b->SetOnClick([this, b](QObject *sender) {
            EXPECT_EQ(sender, b);
            ++clicks[b];
        });
        return b;
    }

    QWidget form;
    std::map<TFancyButton *, int> clicks;
};

} // namespace

// --- construction and properties ---

TEST_F(FancyButtonTest, newButtonIs23By22AndRestsWithThePointerElsewhere)
{
    TFancyButton b;
    EXPECT_EQ(b.size(), QSize(23, 22));
    EXPECT_EQ(b.State(), fbsMouseOut);
    EXPECT_EQ(b.TextShadowColor(), clNone);
    EXPECT_EQ(b.GetNumGlyphs(), 1);
    EXPECT_EQ(b.ModalResult(), 0);
    EXPECT_FALSE(b.Down());
    EXPECT_FALSE(b.AllowAllUp());
    EXPECT_EQ(b.GroupIndex(), 0);
    EXPECT_TRUE(b.isEnabled());
}

TEST_F(FancyButtonTest, propertiesAreReachableByName)
{
    TFancyButton b;
    EXPECT_TRUE(b.setProperty("State", QVariant::fromValue(fbsDisabled)));
    EXPECT_EQ(b.State(), fbsDisabled);
    EXPECT_TRUE(b.setProperty("TextShadowColor", 0x00FF00u));
    EXPECT_EQ(b.TextShadowColor(), 0x00FF00u);
    const QMetaEnum states = QMetaEnum::fromType<TFancyButton::TFancyButtonState>();
    EXPECT_STREQ(states.valueToKey(fbsExclusive), "fbsExclusive");
}

TEST_F(FancyButtonTest, glyphSetsTheButtonToOneCell)
{
    TFancyButton b;
    QImage strip(64, 16, QImage::Format_RGB32);
    strip.fill(olive);
    b.SetGlyph(QPixmap::fromImage(strip));
    EXPECT_EQ(b.GetNumGlyphs(), 4);
    EXPECT_EQ(b.size(), QSize(16, 16));
    b.SetNumGlyphs(9);
    EXPECT_EQ(b.GetNumGlyphs(), 5);
    EXPECT_EQ(b.size(), QSize(12, 16));
    b.SetNumGlyphs(0);
    EXPECT_EQ(b.GetNumGlyphs(), 1);
    EXPECT_EQ(b.size(), QSize(64, 16));
    b.SetNumGlyphs(2);
    b.SetGlyph(QPixmap());
    EXPECT_EQ(b.size(), QSize(0, 0));
    EXPECT_EQ(b.GetNumGlyphs(), 2); // an empty bitmap says nothing of cells
}

TEST_F(FancyButtonTest, loadingTheFormBuildsTheStoredStatesImage)
{
    TFancyButton *b = button(10, 3);
    EXPECT_EQ(b->Glyph().List(), nullptr);
    EXPECT_EQ(loadComponents(&form), 1);
    ASSERT_NE(b->Glyph().List(), nullptr);
    EXPECT_EQ(b->Glyph().List()->ImageCount(), 1);
}

// --- painting ---

TEST_F(FancyButtonTest, singleCellGlyphSitsTwoPixelsRightAndDownOfCentre)
{
    TFancyButton *b = button(10, 1);
    b->resize(30, 30);
    const QImage image = rendered(*b);
    const int corner = 2 + (30 - 16 + 1) / 2 + 4; // first pixel of the coloured square
    EXPECT_EQ(rgb(image.pixel(corner, corner)), rgb(cellColors[0]));
    EXPECT_EQ(rgb(image.pixel(corner - 1, corner - 1)), rgb(qRgb(255, 255, 255)));
}

TEST_F(FancyButtonTest, heldFaceIsCheckeredAndOnlyTheCaptionMoves)
{
    TFancyButton *b = button(10, 4);
    b->resize(40, 30);
    b->SetCaption("I");
    b->SetGroupIndex(1);
    b->SetTextShadowColor(0x0000FF);
    QFont font = b->font();
    font.setStyleStrategy(QFont::NoAntialias);
    b->setFont(font);
    const QImage up = rendered(*b);
    b->SetDown(true);
    ASSERT_EQ(b->State(), fbsExclusive);
    const QImage held = rendered(*b);

    const QPalette &palette = b->palette();
    const QRgb face = rgb(palette.color(QPalette::Button).rgb());
    const QRgb highlight = rgb(palette.color(QPalette::Light).rgb());
    EXPECT_NE(rgb(held.pixel(0, 0)), rgb(held.pixel(1, 0)));
    EXPECT_TRUE(rgb(held.pixel(0, 0)) == face || rgb(held.pixel(0, 0)) == highlight);
    EXPECT_EQ(rgb(held.pixel(0, 0)), rgb(held.pixel(1, 1)));

    // Cell 1 shows when held, at the glyph's unmoved place.
    const QPoint glyphPixel((40 - 16 + 1) / 2 + 4, (30 - 16 + 1) / 2 + 4);
    EXPECT_EQ(rgb(held.pixel(glyphPixel)), rgb(cellColors[1]));
    EXPECT_EQ(rgb(up.pixel(glyphPixel)), rgb(cellColors[2]));

    auto shadowBounds = [](const QImage &image) {
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 60 &&
                    qBlue(image.pixel(x, y)) < 60)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    };
    const QRect before = shadowBounds(up);
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(shadowBounds(held), before.translated(1, 1));
}

TEST_F(FancyButtonTest, glyphStaysSharpAtDevicePixelRatioTwo)
{
    TFancyButton *b = button(10, 3);
    const QImage image = rendered(*b, 2);
    ASSERT_EQ(image.width(), 32);
    const QImage cell = cellStrip(3).copy(32, 0, 16, 16); // resting look: cell 2
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb expected = rgb(cell.pixel(x, y)) == rgb(olive) ? rgb(qRgb(255, 255, 255))
                                                                      : rgb(cell.pixel(x, y));
            for (int d = 0; d < 4; ++d)
                ASSERT_EQ(rgb(image.pixel(2 * x + d % 2, 2 * y + d / 2)), expected)
                    << "logical pixel " << x << "," << y;
        }
    }
}

// A 2x bitmap of 240 × 48 pixels holds five cells of 24 × 24 logical pixels:
// the button takes that size and shows each bitmap pixel as one device pixel.
TEST_F(FancyButtonTest, glyphOfPixelRatioTwoKeepsItsLogicalSizeAndEveryPixel)
{
    QImage strip = cellStrip(5, 48);
    strip.setDevicePixelRatio(2);
    TFancyButton *b = button(10);
    b->SetGlyph(QPixmap::fromImage(strip));
    EXPECT_EQ(b->GetNumGlyphs(), 5);
    EXPECT_EQ(b->size(), QSize(24, 24));
    EXPECT_EQ(b->sizeHint(), QSize(24, 24));
    const QImage image = rendered(*b, 2);
    ASSERT_EQ(image.size(), QSize(48, 48));
    const QImage cell = strip.copy(96, 0, 48, 48); // resting look: cell 2
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const QRgb pixel = rgb(cell.pixel(x, y));
            ASSERT_EQ(rgb(image.pixel(x, y)),
                      pixel == rgb(olive) ? rgb(qRgb(255, 255, 255)) : pixel)
                << x << "," << y;
        }
    EXPECT_EQ(rgb(rendered(*b).pixel(12, 12)), rgb(cellColors[2]));
}

TEST_F(FancyButtonTest, disabledStateDisablesTheWidgetAndShowsTheDisabledLook)
{
    TFancyButton *b = button(10, 5);
    b->SetState(fbsDisabled);
    EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(rgb(rendered(*b).pixel(8, 8)), rgb(cellColors[4]));
    press(b);
    release(b);
    EXPECT_EQ(b->State(), fbsDisabled);
    EXPECT_EQ(clicks[b], 0);
    b->SetState(fbsMouseOut);
    EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(rgb(rendered(*b).pixel(8, 8)), rgb(cellColors[2]));
}

// Only State enters and leaves fbsDisabled; a disabled ancestor shows the
// disabled look without changing State, at either pixel ratio.
TEST_F(FancyButtonTest, aDisabledAncestorShowsTheDisabledLookButLeavesTheState)
{
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        TFancyButton *b = button(10, 5);
        const QPoint at = QPoint(8, 8) * dpr;
        form.setEnabled(false);
        EXPECT_EQ(b->State(), fbsMouseOut);
        EXPECT_EQ(rgb(rendered(*b, dpr).pixel(at)), rgb(cellColors[4]));
        b->SetState(fbsUp);
        b->SetState(fbsMouseOut);
        EXPECT_EQ(rgb(rendered(*b, dpr).pixel(at)), rgb(cellColors[4]));
        form.setEnabled(true);
        EXPECT_EQ(b->State(), fbsMouseOut);
        EXPECT_EQ(rgb(rendered(*b, dpr).pixel(at)), rgb(cellColors[2]));

        form.setEnabled(false);
        b->SetState(fbsDisabled);
        form.setEnabled(true);
        EXPECT_EQ(b->State(), fbsDisabled);
        EXPECT_FALSE(b->isEnabled());
        EXPECT_EQ(rgb(rendered(*b, dpr).pixel(at)), rgb(cellColors[4]));
        b->SetState(fbsMouseOut);
        EXPECT_TRUE(b->isEnabled());
        delete b;
    }
}

TEST_F(FancyButtonTest, enabledIsLeftToStateInFormsAndDesigners)
{
    TFancyButton b;
    const QMetaObject *meta = b.metaObject();
    const QMetaProperty enabled = meta->property(meta->indexOfProperty("enabled"));
    EXPECT_FALSE(enabled.isDesignable());
    EXPECT_FALSE(enabled.isStored());
}

TEST_F(FancyButtonTest, paletteChangeRebuildsOnlyTheDisabledImageInPlace)
{
    TFancyButton *b = button(10, 2);
    TButtonGlyph &glyph = b->Glyph();
    QImage strip = cellStrip(2);
    strip.setPixel(2, 2, qRgb(0x80, 0x80, 0x80));
    b->SetGlyph(QPixmap::fromImage(strip));
    const int up = glyph.StateImage(fbsUp, false);
    const int disabled = glyph.StateImage(fbsDisabled, false);
    const QImage upBefore = glyph.List()->Image(up);

    const QColor shadow(0x20, 0x90, 0x20);
    b->setPalette(knownPalette(QColor(0xD0, 0xD0, 0xD0), shadow));
    EXPECT_EQ(glyph.StateImage(fbsDisabled, false), disabled);
    EXPECT_EQ(rgb(glyph.List()->Image(disabled).pixel(2, 2)), rgb(shadow.rgb()));
    EXPECT_EQ(glyph.StateImage(fbsUp, false), up);
    EXPECT_EQ(glyph.List()->Image(up), upBefore);
}

// --- mouse ---

TEST_F(FancyButtonTest, pressDragOffAndBackFollowThePointer)
{
    TFancyButton *b = button(10, 3);
    show();
    press(b);
    EXPECT_EQ(b->State(), fbsDown);
    drag(b, QPoint(40, 5));
    EXPECT_EQ(b->State(), fbsUp);
    drag(b, QPoint(15, 15));
    EXPECT_EQ(b->State(), fbsDown);
    drag(b, QPoint(5, 16)); // the row below the bottom edge is outside
    EXPECT_EQ(b->State(), fbsUp);
    release(b, QPoint(5, 16));
    EXPECT_EQ(clicks[b], 0);
    EXPECT_EQ(b->State(), fbsMouseOut);

    click(b);
    EXPECT_EQ(clicks[b], 1);
    EXPECT_EQ(b->State(), fbsUp); // the pointer is still over it: hot again
    release(b);                   // a release without a press is nothing
    EXPECT_EQ(clicks[b], 1);
}

TEST_F(FancyButtonTest, doubleClickOnlyReachesAHeldButton)
{
    TFancyButton *b = button(10, 3);
    int doubles = 0;
    b->SetOnDblClick([&](QObject *) { ++doubles; });
    click(b);
    sendMouse(b, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    release(b);
    EXPECT_EQ(clicks[b], 1);
    EXPECT_EQ(doubles, 0);

    b->SetGroupIndex(1);
    b->SetDown(true);
    sendMouse(b, QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(doubles, 1);
}

TEST_F(FancyButtonTest, pointerOverTheButtonShowsTheHotLook)
{
    TFancyButton *b = button(10, 3);
    show();
    enter(b);
    EXPECT_EQ(b->State(), fbsUp);
    EXPECT_EQ(rgb(rendered(*b).pixel(8, 8)), rgb(cellColors[0]));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    rendered(*b);
    EXPECT_EQ(b->State(), fbsMouseOut);
}

TEST_F(FancyButtonTest, pressDraggedOffKeepsTheHotFlagUntilRelease)
{
    TFancyButton *b = button(10, 3);
    show();
    enter(b);
    press(b);
    drag(b, QPoint(60, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    EXPECT_EQ(b->State(), fbsUp);
    release(b, QPoint(60, 5));
    rendered(*b);
    EXPECT_EQ(b->State(), fbsMouseOut);
}

// --- modal results ---

TEST_F(FancyButtonTest, clickClosesTheDialogWithTheModalResultAfterOnClick)
{
    QDialog dialog;
    dialog.resize(100, 60);
    auto *b = new TFancyButton(&dialog);
    b->SetGlyph(QPixmap::fromImage(cellStrip(3)));
    b->SetModalResult(2);
    int clicked = 0;
    b->SetOnClick([&](QObject *) {
        ++clicked;
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(b->State(), fbsDown);
    });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    click(b);
    EXPECT_EQ(clicked, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);
}

// A release that ends a press sets the dialog's result, also one dragged off
// the button; only OnClick is left out.
TEST_F(FancyButtonTest, pressDraggedOffAndReleasedOutsideSetsTheResultWithoutOnClick)
{
    QDialog dialog;
    dialog.resize(100, 60);
    auto *b = new TFancyButton(&dialog);
    b->SetGlyph(QPixmap::fromImage(cellStrip(3)));
    b->SetModalResult(2);
    int clicked = 0;
    b->SetOnClick([&](QObject *) { ++clicked; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    press(b);
    drag(b, QPoint(50, 30));
    release(b, QPoint(50, 30));
    EXPECT_EQ(clicked, 0);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);
}

TEST_F(FancyButtonTest, buttonDestroyedByItsOnClickIsLeftAlone)
{
    TFancyButton *b = button(10, 3);
    b->SetOnClick([b](QObject *) { delete b; });
    click(b); // must not touch the deleted button
    EXPECT_TRUE(form.findChildren<TFancyButton *>().isEmpty());
}

// --- keyboard ---

TEST_F(FancyButtonTest, enterAlwaysClicksEscapeOnlyWithCancel)
{
    TFancyButton *b = button(10, 3);
    QTest::keyClick(b, Qt::Key_Return);
    QTest::keyClick(b, Qt::Key_Enter);
    EXPECT_EQ(clicks[b], 2);
    b->SetModalResult(1);
    QTest::keyClick(b, Qt::Key_Escape);
    EXPECT_EQ(clicks[b], 2);
    b->SetModalResult(2);
    QTest::keyClick(b, Qt::Key_Escape);
    EXPECT_EQ(clicks[b], 3);

    QDialog dialog;
    b->setParent(&dialog);
    dialog.show();
    QTest::keyClick(b, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 2);
    b->setParent(&form);
}

TEST_F(FancyButtonTest, acceleratorOfTheCaptionClicks)
{
    TFancyButton *b = button(10, 3);
    b->SetCaption("&Go");
    show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks[b], 1);
    b->SetState(fbsDisabled);
    QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks[b], 1);
}

// The button is a Tab stop, so a keyboard user who reaches it must see where
// the focus is.
TEST_F(FancyButtonTest, tabReachesTheButtonAndShowsAFocusMark)
{
    auto *before = new QLineEdit(&form);
    before->move(100, 60);
    TFancyButton *b = button(10, 3);
    QWidget::setTabOrder(before, b);
    show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QImage unfocused = rendered(*b);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(b->hasFocus());
    EXPECT_NE(rendered(*b), unfocused);
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(clicks[b], 1);
}

// --- assistive technology ---

TEST_F(FancyButtonTest, assistiveTechnologySeesANamedButtonThatCanBePressed)
{
    TFancyButton *b = button(10, 3);
    b->SetCaption("&Go && see");
    b->SetGroupIndex(1);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(b);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), "Go & see");
    EXPECT_TRUE(face->state().focusable);
    EXPECT_TRUE(face->state().checkable);
    EXPECT_FALSE(face->state().checked);

    QAccessibleActionInterface *actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks[b], 1);
    EXPECT_TRUE(b->Down()) << "a press is a whole click";
    EXPECT_TRUE(face->state().checked);

    b->SetCaption(QString());
    b->setToolTip("Next page");
    EXPECT_EQ(face->text(QAccessible::Name), "Next page");
    b->SetState(fbsDisabled);
    EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks[b], 1);
}

// --- groups ---

class FancyButtonGroup : public FancyButtonTest
{
protected:
    void SetUp() override
    {
        FancyButtonTest::SetUp();
        for (int i = 0; i < 3; ++i) {
            group[i] = button(10 + 30 * i, 3);
            group[i]->SetGroupIndex(1);
        }
        show();
    }

    int held() const
    {
        int count = 0;
        for (TFancyButton *b : group)
            count += b->Down() ? 1 : 0;
        return count;
    }

    TFancyButton *group[3] = {};
};

TEST_F(FancyButtonGroup, heldButtonStaysHeldAndAnotherTakesTheHold)
{
    TFancyButton *stranger = button(200, 3); // another group
    stranger->SetGroupIndex(2);
    stranger->SetDown(true);
    QWidget elsewhere;
    auto *cousin = new TFancyButton(&elsewhere); // another parent
    cousin->SetGroupIndex(1);
    cousin->SetDown(true);

    click(group[0]);
    EXPECT_TRUE(group[0]->Down());
    EXPECT_EQ(group[0]->State(), fbsExclusive);
    click(group[0]);
    EXPECT_TRUE(group[0]->Down());
    click(group[1]);
    EXPECT_TRUE(group[1]->Down());
    EXPECT_FALSE(group[0]->Down());
    EXPECT_NE(group[0]->State(), fbsExclusive);
    EXPECT_EQ(held(), 1);
    EXPECT_TRUE(stranger->Down());
    EXPECT_TRUE(cousin->Down());
}

TEST_F(FancyButtonGroup, allowAllUpSpreadsToTheGroupAndLetsTheHeldButtonGo)
{
    click(group[1]);
    group[1]->SetAllowAllUp(true);
    EXPECT_TRUE(group[0]->AllowAllUp());
    EXPECT_TRUE(group[2]->AllowAllUp());
    click(group[1]);
    EXPECT_EQ(held(), 0);
    EXPECT_NE(group[1]->State(), fbsExclusive);
}

TEST_F(FancyButtonGroup, joiningAGroupWhileDownReleasesItsHeldButton)
{
    click(group[0]);
    TFancyButton *late = button(200, 3);
    late->SetGroupIndex(2);
    late->SetDown(true);
    late->SetGroupIndex(1);
    EXPECT_FALSE(group[0]->Down());
    EXPECT_TRUE(late->Down());
}

TEST_F(FancyButtonGroup, leavingTheGroupReleasesTheButton)
{
    click(group[0]);
    group[0]->SetGroupIndex(0);
    EXPECT_FALSE(group[0]->Down());
    EXPECT_NE(group[0]->State(), fbsExclusive);
}

// --- actions ---

TEST_F(FancyButtonTest, actionLendsTextStateAndTipAndIsTriggered)
{
    QAction action("&Save");
    action.setToolTip("Save the game");
    TFancyButton *b = button();
    b->SetOnClick(nullptr);
    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
    b->SetAction(&action);
    EXPECT_EQ(b->Caption(), "&Save");
    EXPECT_EQ(b->toolTip(), "Save the game");
    click(b);
    EXPECT_EQ(triggered, 1);
    action.setEnabled(false); // the action lends Enabled, not State
    EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(b->State(), fbsMouseOut);
    action.setEnabled(true);
    EXPECT_TRUE(b->isEnabled());
    b->SetState(fbsDisabled);
    action.setText("Saving"); // an update of the action leaves fbsDisabled alone
    EXPECT_FALSE(b->isEnabled());
    b->SetState(fbsMouseOut);
    action.setText("Store");
    EXPECT_EQ(b->Caption(), "Store");
}

TEST_F(FancyButtonTest, emptyGlyphTakesTheActionsIconSize)
{
    QPixmap icon(20, 18);
    icon.fill(Qt::blue);
    QAction action(QIcon(icon), "Open");
    TFancyButton *b = button();
    b->SetAction(&action);
    EXPECT_EQ(b->size(), QSize(20, 18));

    TFancyButton *withGlyph = button(60, 3);
    withGlyph->SetAction(&action);
    EXPECT_EQ(withGlyph->size(), QSize(16, 16));
}

TEST_F(FancyButtonTest, deletedActionIsForgotten)
{
    TFancyButton *b = button();
    b->SetOnClick(nullptr);
    auto *action = new QAction("Go");
    b->SetAction(action);
    delete action;
    EXPECT_EQ(b->Action(), nullptr);
    click(b);
}
