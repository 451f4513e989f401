// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/GlyphCache.h>

#include <corvanel/GlyphList.h>

#include <algorithm>

namespace corvanel {

TGlyphCache *GlyphCache = nullptr;

TGlyphCache::TGlyphCache() = default;
TGlyphCache::~TGlyphCache() = default;

TGlyphList *TGlyphCache::ListFor(int width, int height)
{
    // Newest first: the list just created is the likeliest to be asked for.
    for (auto it = m_lists.rbegin(); it != m_lists.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height)
            return it->get();
    m_lists.push_back(std::make_unique<TGlyphList>(width, height));
    return m_lists.back().get();
}

void TGlyphCache::Release(TGlyphList *list)
{
    if (!list || list->ImageCount() != 0)
        return;
    const auto it = std::find_if(m_lists.begin(), m_lists.end(),
                                 [list](const auto &owned) { return owned.get() == list; });
    if (it != m_lists.end())
        m_lists.erase(it);
}

} // namespace corvanel
