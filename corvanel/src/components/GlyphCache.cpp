// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/GlyphCache.h>

#include <corvanel/GlyphList.h>

#include <algorithm>
#include <vector>

namespace corvanel {

TGlyphCache *GlyphCache = nullptr;

struct TGlyphCache::Private
{
    std::vector<std::unique_ptr<TGlyphList>> lists;
};

TGlyphCache::TGlyphCache() : d(new Private) {}
TGlyphCache::~TGlyphCache() = default;

bool TGlyphCache::IsEmpty() const noexcept
{
    return d->lists.empty();
}

int TGlyphCache::Count() const noexcept
{
    return int(d->lists.size());
}

TGlyphList *TGlyphCache::ListFor(int width, int height)
{
    // Newest first: the list just created is the likeliest to be asked for.
    for (auto it = d->lists.rbegin(); it != d->lists.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height)
            return it->get();
    d->lists.push_back(std::make_unique<TGlyphList>(width, height));
    return d->lists.back().get();
}

void TGlyphCache::Release(TGlyphList *list)
{
    if (!list || list->ImageCount() != 0)
        return;
    const auto it = std::find_if(d->lists.begin(), d->lists.end(),
                                 [list](const auto &owned) { return owned.get() == list; });
    if (it != d->lists.end())
        d->lists.erase(it);
}

} // namespace corvanel
