// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QStringList>

namespace corvanel {

class TJStorage;

// A list of texts kept in an open storage as "Count" and the values "0",
// "1", ... the way the MRU list and the MRU combo box keep theirs.
namespace StoredList {

// The entries "0" to "Count - 1" in order, empty where one is missing. A
// damaged "Count" is capped so that reading stays bounded.
QStringList Read(TJStorage &storage);

// Writes the entries and their "Count" in one transaction of the store: all
// of them are kept, or none, and the old list stays as it was. False when the
// store refused (or the key could not be opened). Throws "JStorage not Open"
// on a closed storage, as its writes do.
bool Write(TJStorage &storage, const QStringList &entries);

} // namespace StoredList

} // namespace corvanel
