// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "ButtonTestArt.h"
#include <corvanel/ButtonGlyph.h>
#include <corvanel/GlyphCache.h>
#include <corvanel/GlyphList.h>

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

using namespace corvanel;
using namespace buttontest;

namespace {

QRgb rgb(QRgb pixel)
{
    return pixel & RGB_MASK;
}

QImage stateImage(TButtonGlyph &glyph, TFancyButtonState state)
{
    const int index = glyph.StateImage(state, false);
    return glyph.List()->Image(index);
}

// The cell an image was copied from, told by its middle pixel; -1 if none.
int cellShown(const QImage &image)
{
    const QRgb middle = rgb(image.pixel(image.width() / 2, image.height() / 2));
    for (int c = 0; c < 5; ++c)
        if (middle == rgb(cellColors[c]))
            return c;
    return -1;
}

} // namespace

// --- cell count from the bitmap ---

struct CountCase
{
    int width;
    int height;
    int before;
    int expected;
};

class GlyphCount : public ::testing::TestWithParam<CountCase>
{
};

TEST_P(GlyphCount, followsTheBitmapsShape)
{
    const CountCase c = GetParam();
    TButtonGlyph glyph;
    glyph.ChangeNumGlyphs(c.before);
    QImage image(c.width, c.height, QImage::Format_RGB32);
    image.fill(olive);
    glyph.AssignBitmap(image);
    EXPECT_EQ(glyph.NumGlyphs(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(ButtonGlyph, GlyphCount,
                         ::testing::Values(CountCase{80, 16, 1, 5},   // five cells
                                           CountCase{96, 16, 3, 1},   // six cells: one picture
                                           CountCase{50, 16, 3, 3},   // no row of squares
                                           CountCase{0, 16, 3, 3},    // empty (a null image)
                                           CountCase{32, 16, 1, 2},   // two cells
                                           CountCase{16, 16, 4, 1})); // a single cell

TEST(ButtonGlyph, transparentColourIsTheBottomLeftPixelUnlessFixed)
{
    TButtonGlyph glyph;
    EXPECT_EQ(glyph.MaskColor(), clOlive);
    QImage image = cellStrip(1);
    image.setPixel(0, 15, qRgb(0x11, 0x22, 0x33));
    glyph.AssignBitmap(image);
    EXPECT_EQ(glyph.MaskColor(), 0x332211u);
    glyph.AssignBitmap(image, clOlive);
    EXPECT_EQ(glyph.MaskColor(), clOlive);
}

// --- which cell each state shows ---

struct CellCase
{
    int numGlyphs;
    int up, down, mouseOut, exclusive, disabled; // -1: no cell (embossed)
};

class GlyphCells : public ::testing::TestWithParam<CellCase>
{
};

TEST_P(GlyphCells, eachStateShowsItsCell)
{
    const CellCase c = GetParam();
    TButtonGlyph glyph;
    glyph.AssignBitmap(cellStrip(c.numGlyphs));
    ASSERT_EQ(glyph.NumGlyphs(), c.numGlyphs);
    EXPECT_EQ(cellShown(stateImage(glyph, fbsUp)), c.up);
    EXPECT_EQ(cellShown(stateImage(glyph, fbsDown)), c.down);
    EXPECT_EQ(cellShown(stateImage(glyph, fbsMouseOut)), c.mouseOut);
    EXPECT_EQ(cellShown(stateImage(glyph, fbsExclusive)), c.exclusive);
    EXPECT_EQ(cellShown(stateImage(glyph, fbsDisabled)), c.disabled);
}

INSTANTIATE_TEST_SUITE_P(ButtonGlyph, GlyphCells,
                         ::testing::Values(CellCase{1, 0, 0, 0, 0, -1}, CellCase{2, 0, 0, 0, 0, 0},
                                           CellCase{3, 0, 1, 2, 0, 0}, CellCase{4, 0, 1, 2, 1, 0},
                                           CellCase{5, 0, 1, 2, 1, 4}));

TEST(ButtonGlyph, transparentColourIsMaskedOutAndAnEmptyBitmapBuildsNothing)
{
    TButtonGlyph glyph;
    EXPECT_EQ(glyph.StateImage(fbsUp, false), -1);
    EXPECT_EQ(glyph.List(), nullptr);
    glyph.AssignBitmap(cellStrip(3));
    const QImage image = stateImage(glyph, fbsMouseOut);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(8, 8)), 255);
}

// --- the disabled looks ---

TEST(ButtonGlyph, disabledLookRecoloursCellZeroWithTwoCells)
{
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(olive);
    image.setPixel(1, 1, qRgb(255, 255, 255));
    image.setPixel(2, 1, qRgb(0x80, 0x80, 0x80));
    image.setPixel(3, 1, qRgb(0, 0, 0));
    image.setPixel(1, 2, qRgb(10, 200, 30));
    image.setPixel(5, 1, qRgb(0, 0, 255)); // in cell 1: never shown
    TButtonGlyph glyph;
    const QPalette palette = knownPalette();
    glyph.SetPalette(palette);
    glyph.AssignBitmap(image);
    ASSERT_EQ(glyph.NumGlyphs(), 2);

    const QImage disabled = stateImage(glyph, fbsDisabled);
    EXPECT_EQ(rgb(disabled.pixel(1, 1)), rgb(palette.color(QPalette::Light).rgb()));
    EXPECT_EQ(rgb(disabled.pixel(2, 1)), rgb(palette.color(QPalette::Dark).rgb()));
    EXPECT_EQ(rgb(disabled.pixel(3, 1)), rgb(qRgb(0, 0, 0)));
    EXPECT_EQ(rgb(disabled.pixel(1, 2)), rgb(qRgb(10, 200, 30)));
    // The transparent colour became the face, which then is the mask.
    EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(disabled.pixel(1, 1)), 255);
}

TEST(ButtonGlyph, disabledLookOfOneCellIsAnEmbossedSilhouette)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(olive);
    for (int y = 2; y < 4; ++y)
        for (int x = 2; x < 4; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    image.setPixel(5, 5, qRgb(255, 255, 255)); // light: no part of the shape
    TButtonGlyph glyph;
    const QPalette palette = knownPalette();
    glyph.SetPalette(palette);
    glyph.AssignBitmap(image);

    const QImage disabled = stateImage(glyph, fbsDisabled);
    const QRgb shadow = rgb(palette.color(QPalette::Dark).rgb());
    const QRgb highlight = rgb(palette.color(QPalette::Light).rgb());
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
            const QRgb pixel = disabled.pixel(x, y);
            const bool inShape = x >= 2 && x < 4 && y >= 2 && y < 4;
            const bool inHighlight = !inShape && x >= 3 && x < 5 && y >= 3 && y < 5;
            if (inShape)
                EXPECT_EQ(rgb(pixel), shadow);
            else if (inHighlight)
                EXPECT_EQ(rgb(pixel), highlight);
            else
                EXPECT_EQ(qAlpha(pixel), 0); // the face, masked
        }
    }
}

TEST(ButtonGlyph, alphaBitmapKeepsItsOwnTransparency)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(3, 3, qRgba(0, 0, 0, 255));
    image.setPixel(0, 15, qRgba(0, 0, 0, 255)); // an opaque black corner stays
    TButtonGlyph glyph;
    glyph.AssignBitmap(image);
    EXPECT_EQ(glyph.MaskColor(), clNone);
    const QImage up = stateImage(glyph, fbsUp);
    EXPECT_EQ(qAlpha(up.pixel(0, 15)), 255);
    EXPECT_EQ(qAlpha(up.pixel(3, 3)), 255);
    EXPECT_EQ(qAlpha(up.pixel(8, 8)), 0);
}

// --- layout and caption ---

class GlyphText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        canvas.fill(Qt::white);
        font.setPixelSize(13);
        font.setStyleStrategy(QFont::NoAntialias);
    }

    QImage canvas{120, 40, QImage::Format_RGB32};
    QFont font{"DejaVu Sans"};
    TButtonGlyph glyph;
};

TEST_F(GlyphText, captionIsWidenedByFiveAndCentred)
{
    glyph.AssignBitmap(cellStrip(1));
    QPainter painter(&canvas);
    painter.setFont(font);
    const QString caption = "&Open";
    const int measured =
        QFontMetrics(font).boundingRect(QRect(0, 0, 120, 0), Qt::TextShowMnemonic, caption).width();

    QPoint glyphPos;
    QRect text;
    glyph.ComputeLayout(painter, QRect(0, 0, 120, 40), QPoint(0, 0), caption, glyphPos, text, 0);
    EXPECT_EQ(text.width(), measured + 5);
    EXPECT_EQ(text.left(), (120 - (measured + 5) + 1) / 2);
    EXPECT_EQ(text.top(), (40 - text.height() + 1) / 2);
    EXPECT_EQ(glyphPos, QPoint((120 - 16 + 1) / 2, (40 - 16 + 1) / 2));
}

namespace {

QRect boundsOf(const QImage &image, QRgb color)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (rgb(image.pixel(x, y)) == rgb(color))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

TEST_F(GlyphText, shadowSitsAtTheTextsPlaceAndTheTextMovesUpLeftByTwo)
{
    const QRgb ink = qRgb(0, 0, 0);
    const QRgb shade = qRgb(255, 0, 0);
    const QRect box(10, 5, 100, 30);
    QImage plain = canvas.copy();
    {
        QPainter painter(&plain);
        painter.setFont(font);
        painter.setPen(QColor(ink));
        glyph.DrawCaption(painter, "Shadow", box, fbsUp, clNone, 0);
    }
    QImage shadowed = canvas.copy();
    {
        QPainter painter(&shadowed);
        painter.setFont(font);
        painter.setPen(QColor(ink));
        glyph.DrawCaption(painter, "Shadow", box, fbsUp, 0x0000FF, 0);
        EXPECT_EQ(painter.pen().color().rgb(), ink); // the text colour is kept
    }
    const QRect text = boundsOf(plain, ink);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(boundsOf(shadowed, ink), text.translated(-2, -2));
    EXPECT_EQ((boundsOf(shadowed, shade) | boundsOf(shadowed, ink)).bottomRight(),
              text.bottomRight());
}

// --- shared lists and the cache ---

TEST(GlyphList, freedSlotIsReusedBeforeTheListGrows)
{
    TGlyphList list(4, 4);
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    EXPECT_EQ(list.AddGlyphImage(image, clNone), 0);
    EXPECT_EQ(list.AddGlyphImage(image, clNone), 1);
    EXPECT_EQ(list.AddGlyphImage(image, clNone), 2);
    list.ReleaseSlot(1);
    list.ReleaseSlot(1); // a second release changes nothing
    EXPECT_EQ(list.ImageCount(), 2);
    EXPECT_EQ(list.AddGlyphImage(image, clNone), 1);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ImageCount(), 3);
}

TEST(GlyphCache, buttonsWithEqualCellsShareOneListAndTheLastFreesTheCache)
{
    ASSERT_EQ(GlyphCache, nullptr) << "a glyph outlived its test";
    auto a = std::make_unique<TButtonGlyph>();
    auto b = std::make_unique<TButtonGlyph>();
    auto other = std::make_unique<TButtonGlyph>();
    ASSERT_NE(GlyphCache, nullptr);
    a->AssignBitmap(cellStrip(4));
    b->AssignBitmap(cellStrip(1));
    other->AssignBitmap(cellStrip(2, 24));
    a->StateImage(fbsUp, false);
    b->StateImage(fbsUp, false);
    other->StateImage(fbsUp, false);
    EXPECT_EQ(a->List(), b->List());
    EXPECT_NE(a->List(), other->List());
    EXPECT_EQ(GlyphCache->Count(), 2);

    other.reset();
    EXPECT_EQ(GlyphCache->Count(), 1); // its list held nothing else
    a.reset();
    ASSERT_NE(GlyphCache, nullptr);
    EXPECT_EQ(GlyphCache->Count(), 1); // b still draws from the list
    EXPECT_EQ(b->List()->ImageCount(), 1);
    b.reset();
    EXPECT_EQ(GlyphCache, nullptr);
}

TEST(GlyphCache, glyphOutlivingTheCacheMakesANewOne)
{
    auto keep = std::make_unique<TButtonGlyph>();
    {
        TButtonGlyph passing;
    } // frees the cache, which holds no list
    EXPECT_EQ(GlyphCache, nullptr);
    keep->AssignBitmap(cellStrip(1));
    EXPECT_NE(keep->StateImage(fbsUp, false), -1);
    EXPECT_NE(GlyphCache, nullptr);
    keep.reset();
    EXPECT_EQ(GlyphCache, nullptr);
}
