// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/GlyphList.h>

#include <QPainter>
#include <algorithm>
#include <optional>
#include <vector>

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

struct TGlyphList::Private
{
    int width;
    int height;
    std::vector<QImage> images;
    std::vector<bool> usedSlots;
    int imageCount = 0;
};

TGlyphList::TGlyphList(int width, int height) : d(new Private{width, height, {}, {}, 0}) {}

TGlyphList::~TGlyphList() = default;

int TGlyphList::Width() const noexcept
{
    return d->width;
}

int TGlyphList::Height() const noexcept
{
    return d->height;
}

int TGlyphList::Count() const noexcept
{
    return int(d->images.size());
}

int TGlyphList::ImageCount() const noexcept
{
    return d->imageCount;
}

bool TGlyphList::IsSlotUsed(int index) const noexcept
{
    return index >= 0 && index < int(d->usedSlots.size()) && d->usedSlots[size_t(index)];
}

int TGlyphList::ReserveSlot()
{
    const auto open = std::find(d->usedSlots.begin(), d->usedSlots.end(), false);
    const int index = int(open - d->usedSlots.begin());
    if (index >= int(d->usedSlots.size())) {
        d->images.emplace_back();
        d->usedSlots.resize(size_t(index) + 1, false);
    }
    d->usedSlots[size_t(index)] = true;
    return index;
}

int TGlyphList::AddGlyphImage(const QImage &image, TColor maskColor)
{
    const int index = ReserveSlot();
    ReplaceMasked(index, image, maskColor);
    ++d->imageCount;
    return index;
}

void TGlyphList::ReleaseSlot(int index)
{
    if (!IsSlotUsed(index))
        return;
    --d->imageCount;
    d->usedSlots[size_t(index)] = false;
}

void TGlyphList::ReplaceMasked(int index, const QImage &image, TColor maskColor)
{
    if (index < 0 || index >= Count())
        return;
    d->images[size_t(index)] = masked(image, maskColor);
}

QImage TGlyphList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return QImage();
    return d->images[size_t(index)];
}

void TGlyphList::Draw(QPainter &painter, int x, int y, int index) const
{
    if (index < 0 || index >= Count() || d->images[size_t(index)].isNull())
        return;
    const QImage &image = d->images[size_t(index)];
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QSizeF logical = image.deviceIndependentSize();
    painter.drawImage(QRect(x, y, qRound(logical.width()), qRound(logical.height())), image);
    painter.restore();
}

} // namespace corvanel
