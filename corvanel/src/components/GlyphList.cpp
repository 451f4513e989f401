// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/GlyphList.h>

#include <QPainter>
#include <algorithm>
#include <optional>

namespace corvanel {

namespace {

QRgb rgbOf(TColor color) noexcept
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

std::optional<QRgb> keyFor(const QImage &image, TColor maskColor)
{
    if (maskColor == clNone)
        return std::nullopt;
    if (maskColor == clDefault) {
        if (image.hasAlphaChannel() || image.isNull())
            return std::nullopt;
        return image.pixel(0, image.height() - 1) & RGB_MASK;
    }
    return rgbOf(maskColor) & RGB_MASK;
}

QImage masked(const QImage &image, TColor maskColor)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(1);
    if (const std::optional<QRgb> key = keyFor(image, maskColor)) {
        for (int y = 0; y < out.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                if ((line[x] & RGB_MASK) == *key)
                    line[x] = 0;
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

TGlyphList::TGlyphList(int width, int height) : m_width(width), m_height(height) {}

bool TGlyphList::IsSlotUsed(int index) const noexcept
{
    return index >= 0 && index < int(m_usedSlots.size()) && m_usedSlots[size_t(index)];
}

int TGlyphList::ReserveSlot()
{
    const auto open = std::find(m_usedSlots.begin(), m_usedSlots.end(), false);
    const int index = int(open - m_usedSlots.begin());
    if (index >= int(m_usedSlots.size())) {
        m_images.emplace_back();
        m_usedSlots.resize(size_t(index) + 1, false);
    }
    m_usedSlots[size_t(index)] = true;
    return index;
}

int TGlyphList::AddGlyphImage(const QImage &image, TColor maskColor)
{
    const int index = ReserveSlot();
    ReplaceMasked(index, image, maskColor);
    ++m_imageCount;
    return index;
}

void TGlyphList::ReleaseSlot(int index)
{
    if (!IsSlotUsed(index))
        return;
    --m_imageCount;
    m_usedSlots[size_t(index)] = false;
}

void TGlyphList::ReplaceMasked(int index, const QImage &image, TColor maskColor)
{
    if (index < 0 || index >= Count())
        return;
    m_images[size_t(index)] = masked(image, maskColor);
}

QImage TGlyphList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return QImage();
    return m_images[size_t(index)];
}

void TGlyphList::Draw(QPainter &painter, int x, int y, int index) const
{
    if (index < 0 || index >= Count() || m_images[size_t(index)].isNull())
        return;
    const QImage &image = m_images[size_t(index)];
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(x, y, image.width(), image.height()), image);
    painter.restore();
}

} // namespace corvanel
