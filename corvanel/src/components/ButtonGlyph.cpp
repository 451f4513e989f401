// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/ButtonGlyph.h>

#include <corvanel/GlyphCache.h>
#include <corvanel/GlyphList.h>

#include <QPainter>
#include <algorithm>

namespace corvanel {

namespace {

constexpr int maxGlyphs = 5;
constexpr int textWidening = 5;
constexpr int shadowShift = 2;
// Pixels at least this light drop out of the embossed silhouette, so a
// glyph's white and silver highlights leave gaps as its outline stays.
constexpr int embossLightness = 192;

QImage normalised(const QImage &value)
{
    if (value.isNull())
        return QImage();
    QImage image = value.convertToFormat(value.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                 : QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

constexpr QRgb opaque = 0xFF000000u;

bool opaqueEnough(QRgb pixel) noexcept
{
    return qAlpha(pixel) >= 128;
}

} // namespace

TButtonGlyph::TButtonGlyph()
{
    if (!GlyphCache)
        GlyphCache = new TGlyphCache;
}

TButtonGlyph::~TButtonGlyph()
{
    m_source = QImage();
    DropImages();
    if (GlyphCache && GlyphCache->IsEmpty()) {
        delete GlyphCache;
        GlyphCache = nullptr;
    }
}

void TButtonGlyph::AssignBitmap(const QImage &value, TColor transparentColor)
{
    DropImages();
    m_source = normalised(value);
    m_fixedTransparentColor = transparentColor;
    SourceChanged();
    // An empty bitmap says nothing about cells: the count stays. (Qt has no
    // image of width 0 and some height; such a bitmap is empty too.)
    if (m_source.isNull() || m_source.height() <= 0)
        return;
    const int width = m_source.width();
    const int height = m_source.height();
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
    if (n == m_numGlyphs || n <= 0)
        return;
    DropImages();
    m_numGlyphs = n;
    SourceChanged();
}

void TButtonGlyph::SourceChanged()
{
    m_maskColor = SourceTransparentColor();
    DropImages();
    if (OnChange)
        OnChange(this);
}

TColor TButtonGlyph::SourceTransparentColor() const
{
    if (m_fixedTransparentColor != clDefault)
        return m_fixedTransparentColor;
    if (m_source.isNull() || m_source.hasAlphaChannel())
        return clNone;
    return fromQColor(QColor(m_source.pixel(0, m_source.height() - 1)));
}

void TButtonGlyph::DropImages()
{
    for (int &index : m_stateImages) {
        if (index != -1 && m_list)
            m_list->ReleaseSlot(index);
        index = -1;
    }
    if (GlyphCache)
        GlyphCache->Release(m_list);
    m_list = nullptr;
}

QRgb TButtonGlyph::SystemRgb(TColor color) const
{
    return toQColor(color, m_palette).rgb() & RGB_MASK;
}

int TButtonGlyph::StateImage(TFancyButtonState state, bool rebuild)
{
    // With one or two cells the pressed look is the up look, in the same slot.
    if (state == fbsDown && m_numGlyphs < 3)
        state = fbsUp;
    int &slot = m_stateImages[size_t(state)];
    if (slot != -1 && !rebuild)
        return slot;
    const int w = m_source.width() / m_numGlyphs;
    const int h = m_source.height();
    if (w == 0 || h == 0)
        return slot;
    if (!m_list) {
        if (!GlyphCache)
            GlyphCache = new TGlyphCache;
        m_list = GlyphCache->ListFor(w, h);
    }

    int cell = int(state);
    if (cell >= m_numGlyphs)
        cell = 0;
    if (cell == 3)
        cell = 1;

    QImage work;
    TColor mask = clDefault;
    if (state != fbsDisabled) {
        work = m_source.copy(cell * w, 0, w, h);
        if (m_fixedTransparentColor != clDefault)
            mask = isSystemColor(m_maskColor) ? fromQColor(toQColor(m_maskColor, m_palette))
                                              : m_maskColor;
    } else if (m_numGlyphs > 1) {
        work = RecolouredCell(cell, w, h);
    } else {
        work = EmbossedGlyph(w, h);
    }

    // A rebuild reuses the slot, so the index a caller holds stays valid.
    if (slot != -1)
        m_list->ReplaceMasked(slot, work, mask);
    else
        slot = m_list->AddGlyphImage(work, mask);
    return slot;
}

QImage TButtonGlyph::RecolouredCell(int cell, int w, int h) const
{
    const QRgb face = SystemRgb(clBtnFace);
    const QRgb shadow = SystemRgb(clBtnShadow);
    const QRgb highlight = SystemRgb(clBtnHighlight);
    const bool keyed = m_maskColor != clNone;
    const QRgb key = keyed ? SystemRgb(m_maskColor) : 0;

    QImage work = m_source.copy(cell * w, 0, w, h);
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
    const bool keyed = m_maskColor != clNone;
    const QRgb key = keyed ? SystemRgb(m_maskColor) : 0;
    auto inked = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return false;
        const QRgb pixel = m_source.pixel(x, y);
        if (!opaqueEnough(pixel) || (keyed && (pixel & RGB_MASK) == key))
            return false;
        return qGray(pixel) < embossLightness;
    };

    const QRgb face = opaque | SystemRgb(clBtnFace);
    const QRgb shadow = opaque | SystemRgb(clBtnShadow);
    const QRgb highlight = opaque | SystemRgb(clBtnHighlight);
    QImage work(w, h, QImage::Format_RGB32);
    work.fill(face);
    // The highlight copy one pixel right and down first, the shadow shape on top.
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(work.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (inked(x, y))
                line[x] = shadow;
            else if (inked(x - 1, y - 1))
                line[x] = highlight;
        }
    }
    return work;
}

void TButtonGlyph::DrawGlyph(QPainter &painter, int x, int y, TFancyButtonState state)
{
    if (m_source.isNull())
        return;
    const int index = StateImage(state, false);
    if (m_list)
        m_list->Draw(painter, x, y, index);
}

void TButtonGlyph::ComputeLayout(QPainter &painter, const QRect &client, QPoint offset,
                                 const QString &caption, QPoint &glyphPos, QRect &textBounds,
                                 int bidiFlags) const
{
    const int cw = client.width();
    const int ch = client.height();
    const int gw = m_source.width() / m_numGlyphs;
    const int gh = m_source.height();

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
        painter.setPen(toQColor(clBtnHighlight, m_palette));
        painter.drawText(textBounds.translated(1, 1), flags, caption);
        painter.setPen(toQColor(clBtnShadow, m_palette));
        painter.drawText(textBounds, flags, caption);
    } else if (shadowColor != clNone) {
        const QPen textPen = painter.pen();
        painter.setPen(toQColor(shadowColor, m_palette, toQColor(clBtnShadow, m_palette)));
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
