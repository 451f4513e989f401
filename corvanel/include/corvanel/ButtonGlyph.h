// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Colors.h>
#include <corvanel/FancyButton.h>
#include <corvanel/corvanel_export.h>

#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QPainter;

namespace corvanel {

class TGlyphList;

/// The face of a TFancyButton: the glyph bitmap, one image per button state,
/// and the placing and drawing of glyph and caption.
///
/// The bitmap holds NumGlyphs() cells of equal width side by side. Cell 0 is
/// the up look, 1 the pressed (and, with four or five cells, the held-down)
/// look, 2 the resting look and 4 the disabled look; with fewer cells the
/// missing looks fall back to cell 0. Without its own disabled cell the
/// disabled look is generated: a recoloured cell 0 (white, 0x808080 and the
/// transparent colour become the palette's light, dark and button colours), or,
/// with a single cell, an embossed silhouette of the glyph.
///
/// Each state's image is built on first use into the TGlyphList that all
/// glyphs with the same cell size share (TGlyphCache), and kept until the
/// bitmap or the cell count changes.
///
/// The bitmap keeps its device pixel ratio. A bitmap of ratio 1 has one pixel
/// per logical pixel of the button: on a screen with a device pixel ratio of 2
/// each of them covers 2 × 2 device pixels, unsmoothed. A bitmap of ratio 2
/// (240 × 48 pixels for five cells of 24 × 24) is drawn at its logical size,
/// one bitmap pixel per device pixel on such a screen.
class CORVANEL_EXPORT TButtonGlyph
{
public:
    /// The handler of OnChange(), called with the glyph that changed.
    using TChangeEvent = std::function<void(TButtonGlyph *sender)>;

    /// A glyph without a bitmap, one cell, the application's palette.
    TButtonGlyph();
    /// Gives the built images back to the shared list.
    ~TButtonGlyph();
    /// Not copied.
    TButtonGlyph(const TButtonGlyph &) = delete;
    /// Not copied.
    TButtonGlyph &operator=(const TButtonGlyph &) = delete;

    /// The bitmap as assigned (empty by default).
    const QImage &Source() const noexcept;
    /// The number of cells in the bitmap, 1 to 5; 1 by default.
    int NumGlyphs() const noexcept;
    /// The colour that counts as transparent in the bitmap: the explicit one
    /// given to AssignBitmap(), else the bitmap's bottom-left pixel. clNone for
    /// a bitmap with an alpha channel and no explicit colour (the alpha is the
    /// mask then) and for an empty bitmap.
    TColor MaskColor() const noexcept;
    /// One cell in logical pixels: its pixel size divided by the bitmap's
    /// device pixel ratio. Source() and the list's images count in pixels.
    QSize CellSize() const;
    /// The shared list holding this glyph's images; null while none is built.
    TGlyphList *List() const noexcept;

    /// The colours of the generated looks: button face, shadow and highlight.
    ///
    /// The application's palette by default.
    const QPalette &Palette() const noexcept;
    /// Sets the colours for looks generated from now on; images already built keep
    /// theirs until they are rebuilt.
    void SetPalette(const QPalette &palette);

    /// Takes a copy of `value`. `transparentColor` fixes the transparent colour;
    /// clDefault lets the bitmap's bottom-left pixel decide. A bitmap that is an
    /// exact row of square cells sets the cell count (more than five counts as
    /// one); an empty bitmap or any other keeps the count.
    void AssignBitmap(const QImage &value, TColor transparentColor = clDefault);
    /// Sets the cell count; values below 1 are ignored and above 5 mean 5.
    void ChangeNumGlyphs(int n);
    /// Gives every built image back to the list.
    void DropImages();

    /// The list index of the state's image, built when missing or when
    /// `rebuild` is set (then in place, keeping the index). -1 for an empty
    /// bitmap.
    int StateImage(TFancyButtonState state, bool rebuild);

    /// Draws the image of `state` with its top-left corner at (x, y); nothing for
    /// an empty bitmap.
    void DrawGlyph(QPainter &painter, int x, int y, TFancyButtonState state);
    /// Centres the glyph and the caption, each on the whole of `client`. The
    /// caption box is the text's size widened by 5 pixels and moved by
    /// `offset`; the glyph does not move with it. `bidiFlags` are Qt text
    /// flags (Qt::TextForceRightToLeft or 0).
    void ComputeLayout(QPainter &painter, const QRect &client, QPoint offset,
                       const QString &caption, QPoint &glyphPos, QRect &textBounds,
                       int bidiFlags) const;
    /// Draws the caption with the painter's pen colour, embossed when disabled.
    /// A `shadowColor` other than clNone is drawn at `textBounds` and the text
    /// 2 pixels up and left of it.
    void DrawCaption(QPainter &painter, const QString &caption, QRect textBounds,
                     TFancyButtonState state, TColor shadowColor, int bidiFlags) const;
    /// Glyph, then caption; returns the caption box before any shadow shift.
    QRect DrawFace(QPainter &painter, const QRect &client, QPoint offset, const QString &caption,
                   TFancyButtonState state, TColor shadowColor, int bidiFlags);

    /// Called after the bitmap or the cell count has changed.
    ///
    /// None by default.
    TChangeEvent OnChange() const;
    /// Sets the handler of OnChange(); an empty one is not called.
    void SetOnChange(TChangeEvent handler);

private:
    void SourceChanged();
    TColor SourceTransparentColor() const;
    QRgb SystemRgb(TColor color) const;
    QImage RecolouredCell(int cell, int w, int h) const;
    QImage EmbossedGlyph(int w, int h) const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
