// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/corvanel_export.h>

#include <memory>

namespace corvanel {

class TGlyphList;

/// The shared image lists of all button glyphs, one per cell size in use.
///
/// There is at most one cache, `GlyphCache`: the first TButtonGlyph creates it
/// and the glyph destroyed while it holds no list frees it. Like every widget,
/// it is used from the user-interface thread only, so it needs no lock.
class CORVANEL_EXPORT TGlyphCache
{
public:
    /// An empty cache.
    TGlyphCache();
    /// Frees every list.
    ~TGlyphCache();
    /// Not copied.
    TGlyphCache(const TGlyphCache &) = delete;
    /// Not copied.
    TGlyphCache &operator=(const TGlyphCache &) = delete;

    /// The list for cells of width × height, created on first request.
    TGlyphList *ListFor(int width, int height);
    /// Frees `list` when it holds no live image any more.
    void Release(TGlyphList *list);
    /// True when the cache holds no list.
    bool IsEmpty() const noexcept;
    /// The number of lists held.
    int Count() const noexcept;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/// The one cache of the program, or null while no glyph needs one.
CORVANEL_EXPORT extern TGlyphCache *GlyphCache;

} // namespace corvanel
