// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Colors.h>
#include <corvanel/corvanel_export.h>

#include <QImage>
#include <memory>

class QPainter;

namespace corvanel {

/// An image list of fixed-size masked images whose freed slots are reused.
///
/// Every button whose glyph cells have the same size keeps its state images in
/// one shared list (see TGlyphCache). A released slot keeps its image until the
/// next ReserveSlot() hands it out again, so the list never shrinks; it is freed
/// as a whole by the cache once ImageCount() drops to 0.
///
/// Images are stored as premultiplied ARGB with the mask already applied as
/// alpha, so drawing is a plain transparent image draw. Width and height count
/// pixels; each image keeps the device pixel ratio it was given.
class CORVANEL_EXPORT TGlyphList
{
public:
    /// An empty list of images of `width` × `height` pixels.
    TGlyphList(int width, int height);
    /// Frees every image.
    ~TGlyphList();
    /// Not copied.
    TGlyphList(const TGlyphList &) = delete;
    /// Not copied.
    TGlyphList &operator=(const TGlyphList &) = delete;

    /// The width of every image.
    int Width() const noexcept;
    /// The height of every image.
    int Height() const noexcept;
    /// Slots in the list, live or released.
    int Count() const noexcept;
    /// Slots holding a live image.
    int ImageCount() const noexcept;
    /// True when slot `index` holds a live image; false for a released slot or
    /// an index outside the list.
    bool IsSlotUsed(int index) const noexcept;

    /// The first free slot, appending an empty one when every slot is taken.
    int ReserveSlot();
    /// Stores `image` in a reserved slot and returns its index. See
    /// ReplaceMasked() for `maskColor`.
    int AddGlyphImage(const QImage &image, TColor maskColor);
    /// Gives slot `index` back for reuse; its image stays until then. A slot
    /// that is not in use is left alone.
    void ReleaseSlot(int index);

    /// Replaces image `index` by `image`, made transparent where its pixels
    /// have the colour `maskColor` (a plain 0x00BBGGRR value). clDefault takes
    /// the colour of the image's bottom-left pixel, unless the image carries an
    /// alpha channel, which then is the mask on its own; clNone masks nothing.
    /// An index outside the list changes nothing.
    void ReplaceMasked(int index, const QImage &image, TColor maskColor);

    /// Image `index` as stored (empty for a slot never filled).
    QImage Image(int index) const;

    /// Draws image `index` with its top-left corner at (x, y), at its logical
    /// size (its pixels divided by its device pixel ratio) and never smoothed,
    /// so a glyph stays sharp when the screen's device pixel ratio scales it.
    void Draw(QPainter &painter, int x, int y, int index) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
