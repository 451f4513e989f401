// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/ButtonGlyph.h>

#include <corvanel/GlyphCache.h>
#include <corvanel/GlyphList.h>

#include <QPainter>
#include <algorithm>
#include <array>

namespace corvanel {

namespace {

constexpr int maxGlyphs = 5;
constexpr int textWidening = 5;
constexpr int shadowShift = 2;
// Pixels at least this light drop out of the embossed silhouette, so a
// glyph's white and silver highlights leave gaps as its outline stays.
constexpr int embossLightness = 192;

// The bitmap keeps its device pixel ratio: a 2x bitmap's cells are drawn at
// half their pixel size, one bitmap pixel per device pixel.
QImage normalised(const QImage &value)
{
    if (value.isNull())
        return QImage();
    return value.convertToFormat(value.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

constexpr QRgb opaque = 0xFF000000u;

bool opaqueEnough(QRgb pixel) noexcept
{
    return qAlpha(pixel) >= 128;
}

} // namespace

struct TButtonGlyph::Private
{
    QImage source;
    // clDefault while the bitmap's own pixels choose the transparent colour.
    TColor fixedTransparentColor = clDefault;
    TGlyphList *list = nullptr;
    std::array<int, 5> stateImages{-1, -1, -1, -1, -1};
    TColor maskColor = clOlive;
    int numGlyphs = 1;
    QPalette palette;
    TChangeEvent onChange;
};

TButtonGlyph::TButtonGlyph() : d(new Private)
{
    if (!GlyphCache)
        GlyphCache = new TGlyphCache;
}

TButtonGlyph::~TButtonGlyph()
{
    d->source = QImage();
    DropImages();
    if (GlyphCache && GlyphCache->IsEmpty()) {
        delete GlyphCache;
        GlyphCache = nullptr;
    }
}

const QImage &TButtonGlyph::Source() const noexcept
{
    return d->source;
}

int TButtonGlyph::NumGlyphs() const noexcept
{
    return d->numGlyphs;
}

TColor TButtonGlyph::MaskColor() const noexcept
{
    return d->maskColor;
}

QSize TButtonGlyph::CellSize() const
{
    if (d->source.isNull())
        return QSize(0, 0);
    const qreal ratio = d->source.devicePixelRatio();
    return QSize(qRound(d->source.width() / d->numGlyphs / ratio),
                 qRound(d->source.height() / ratio));
}

TGlyphList *TButtonGlyph::List() const noexcept
{
    return d->list;
}

const QPalette &TButtonGlyph::Palette() const noexcept
{
    return d->palette;
}

void TButtonGlyph::SetPalette(const QPalette &palette)
{
    d->palette = palette;
}

TButtonGlyph::TChangeEvent TButtonGlyph::OnChange() const
{
    return d->onChange;
}

void TButtonGlyph::SetOnChange(TChangeEvent handler)
{
    d->onChange = std::move(handler);
}

void TButtonGlyph::AssignBitmap(const QImage &value, TColor transparentColor)
{
    DropImages();
    d->source = normalised(value);
    d->fixedTransparentColor = transparentColor;
    SourceChanged();
    // An empty bitmap says nothing about cells: the count stays. (Qt has no
    // image of width 0 and some height; such a bitmap is empty too.)
    if (d->source.isNull() || d->source.height() <= 0)
        return;
    const int width = d->source.width();
    const int height = d->source.height();
    if (width % height != 0)
        return;
    int n = width / height;
    if (n > maxGlyphs)
        n = 1;
    ChangeNumGlyphs(std::max(n, 1));
}

void TButtonGlyph::ChangeNumGlyphs(int n)
{
    n = std::min(n, maxGlyphs);
    if (n == d->numGlyphs || n <= 0)
        return;
    DropImages();
    d->numGlyphs = n;
    SourceChanged();
}

void TButtonGlyph::SourceChanged()
{
    d->maskColor = SourceTransparentColor();
    DropImages();
    if (d->onChange)
        d->onChange(this);
}

TColor TButtonGlyph::SourceTransparentColor() const
{
    if (d->fixedTransparentColor != clDefault)
        return d->fixedTransparentColor;
    if (d->source.isNull() || d->source.hasAlphaChannel())
        return clNone;
    return fromQColor(QColor(d->source.pixel(0, d->source.height() - 1)));
}

void TButtonGlyph::DropImages()
{
    for (int &index : d->stateImages) {
        if (index != -1 && d->list)
            d->list->ReleaseSlot(index);
        index = -1;
    }
    if (GlyphCache)
        GlyphCache->Release(d->list);
    d->list = nullptr;
}

QRgb TButtonGlyph::SystemRgb(TColor color) const
{
    return toQColor(color, d->palette).rgb() & RGB_MASK;
}

int TButtonGlyph::StateImage(TFancyButtonState state, bool rebuild)
{
    // With one or two cells the pressed look is the up look, in the same slot.
    if (state == fbsDown && d->numGlyphs < 3)
        state = fbsUp;
    int &slot = d->stateImages[size_t(state)];
    if (slot != -1 && !rebuild)
        return slot;
    const int w = d->source.width() / d->numGlyphs;
    const int h = d->source.height();
    if (w == 0 || h == 0)
        return slot;
    if (!d->list) {
        if (!GlyphCache)
            GlyphCache = new TGlyphCache;
        d->list = GlyphCache->ListFor(w, h);
    }

    int cell = int(state);
    if (cell >= d->numGlyphs)
        cell = 0;
    if (cell == 3)
        cell = 1;

    QImage work;
    TColor mask = clDefault;
    if (state != fbsDisabled) {
        work = d->source.copy(cell * w, 0, w, h);
        if (d->fixedTransparentColor != clDefault)
            mask = isSystemColor(d->maskColor) ? fromQColor(toQColor(d->maskColor, d->palette))
                                               : d->maskColor;
    } else if (d->numGlyphs > 1) {
        work = RecolouredCell(cell, w, h);
    } else {
        work = EmbossedGlyph(w, h);
    }

    // A rebuild reuses the slot, so the index a caller holds stays valid.
    if (slot != -1)
        d->list->ReplaceMasked(slot, work, mask);
    else
        slot = d->list->AddGlyphImage(work, mask);
    return slot;
}

QImage TButtonGlyph::RecolouredCell(int cell, int w, int h) const
{
    const QRgb face = SystemRgb(clBtnFace);
    const QRgb shadow = SystemRgb(clBtnShadow);
    const QRgb highlight = SystemRgb(clBtnHighlight);
    const bool keyed = d->maskColor != clNone;
    const QRgb key = keyed ? SystemRgb(d->maskColor) : 0;

    QImage work = d->source.copy(cell * w, 0, w, h);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(work.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb rgb = line[x] & RGB_MASK;
            const QRgb alpha = line[x] & ~RGB_MASK;
            // The transparent colour wins over white and grey when it is one
            // of them: it must turn into the face, never into an outline.
            if (keyed && rgb == key)
                line[x] = alpha | face;
            else if (rgb == (qRgb(0x80, 0x80, 0x80) & RGB_MASK))
                line[x] = alpha | shadow;
            else if (rgb == (qRgb(0xFF, 0xFF, 0xFF) & RGB_MASK))
                line[x] = alpha | highlight;
        }
    }
    return work;
}

QImage TButtonGlyph::EmbossedGlyph(int w, int h) const
{
    const bool keyed = d->maskColor != clNone;
    const QRgb key = keyed ? SystemRgb(d->maskColor) : 0;
    auto inked = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return false;
        const QRgb pixel = d->source.pixel(x, y);
        if (!opaqueEnough(pixel) || (keyed && (pixel & RGB_MASK) == key))
            return false;
        return qGray(pixel) < embossLightness;
    };

    const QRgb face = opaque | SystemRgb(clBtnFace);
    const QRgb shadow = opaque | SystemRgb(clBtnShadow);
    const QRgb highlight = opaque | SystemRgb(clBtnHighlight);
    const qreal ratio = d->source.devicePixelRatio();
    // One logical pixel, so a 2x glyph looks like its 1x twin.
    const int shift = std::max(1, qRound(ratio));
    QImage work(w, h, QImage::Format_RGB32);
    work.setDevicePixelRatio(ratio);
    work.fill(face);
    // The highlight copy right and down first, the shadow shape on top.
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(work.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (inked(x, y))
                line[x] = shadow;
            else if (inked(x - shift, y - shift))
                line[x] = highlight;
        }
    }
    return work;
}

void TButtonGlyph::DrawGlyph(QPainter &painter, int x, int y, TFancyButtonState state)
{
    if (d->source.isNull())
        return;
    const int index = StateImage(state, false);
    if (d->list)
        d->list->Draw(painter, x, y, index);
}

void TButtonGlyph::ComputeLayout(QPainter &painter, const QRect &client, QPoint offset,
                                 const QString &caption, QPoint &glyphPos, QRect &textBounds,
                                 int bidiFlags) const
{
    const int cw = client.width();
    const int ch = client.height();
    const QSize cell = CellSize();
    const int gw = cell.width();
    const int gh = cell.height();

    int tw = 0;
    int th = 0;
    if (!caption.isEmpty()) {
        const QRect measured = painter.fontMetrics().boundingRect(
            QRect(0, 0, cw, 0), Qt::TextShowMnemonic | bidiFlags, caption);
        tw = measured.width() + textWidening;
        th = measured.height();
    }

    glyphPos = QPoint(client.left() + (cw - gw + 1) / 2, client.top() + (ch - gh + 1) / 2);
    const int tx = (cw - tw + 1) / 2;
    const int ty = (ch - th + 1) / 2;
    textBounds = QRect(0, 0, tw, th)
                     .translated(tx + client.left() + offset.x(), ty + client.top() + offset.y());
}

void TButtonGlyph::DrawCaption(QPainter &painter, const QString &caption, QRect textBounds,
                               TFancyButtonState state, TColor shadowColor, int bidiFlags) const
{
    const int flags = bidiFlags | Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    if (state == fbsDisabled) {
        painter.setPen(toQColor(clBtnHighlight, d->palette));
        painter.drawText(textBounds.translated(1, 1), flags, caption);
        painter.setPen(toQColor(clBtnShadow, d->palette));
        painter.drawText(textBounds, flags, caption);
    } else if (shadowColor != clNone) {
        const QPen textPen = painter.pen();
        painter.setPen(toQColor(shadowColor, d->palette, toQColor(clBtnShadow, d->palette)));
        painter.drawText(textBounds, flags, caption);
        painter.setPen(textPen);
        painter.drawText(textBounds.translated(-shadowShift, -shadowShift), flags, caption);
    } else {
        painter.drawText(textBounds, flags, caption);
    }
    painter.restore();
}

QRect TButtonGlyph::DrawFace(QPainter &painter, const QRect &client, QPoint offset,
                             const QString &caption, TFancyButtonState state, TColor shadowColor,
                             int bidiFlags)
{
    QPoint glyphPos;
    QRect textBounds;
    ComputeLayout(painter, client, offset, caption, glyphPos, textBounds, bidiFlags);
    DrawGlyph(painter, glyphPos.x(), glyphPos.y(), state);
    DrawCaption(painter, caption, textBounds, state, shadowColor, bidiFlags);
    return textBounds;
}

} // namespace corvanel
