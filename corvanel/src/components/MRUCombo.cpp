// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/MRUCombo.h>

#include "StorageLink.h"
#include "StoredList.h"

#include <corvanel/Exception.h>

#include <QScopeGuard>
#include <algorithm>

namespace corvanel {

namespace {

constexpr int kSavedItems = 10;

} // namespace

struct TMRUCombo::Private
{
    explicit Private(TMRUCombo *combo) : storage(combo) {}

    StorageLink storage;
    bool showLatest = false;
};

TMRUCombo::TMRUCombo(QWidget *parent) : QComboBox(parent), d(new Private(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

TMRUCombo::~TMRUCombo() = default;

TJStorage *TMRUCombo::Storage() const
{
    return d->storage.get();
}

QString TMRUCombo::StorageKey() const
{
    return d->storage.key();
}

void TMRUCombo::SetStorageKey(const QString &key)
{
    d->storage.setKey(key);
}

TJStorage::TJStorageRootKey TMRUCombo::StorageRootKey() const
{
    return d->storage.rootKey();
}

void TMRUCombo::SetStorageRootKey(TJStorage::TJStorageRootKey root)
{
    d->storage.setRootKey(root);
}

bool TMRUCombo::ShowLatest() const
{
    return d->showLatest;
}

void TMRUCombo::SetShowLatest(bool show)
{
    if (show == d->showLatest)
        return;
    d->showLatest = show;
    emit ShowLatestChanged(show);
}

void TMRUCombo::Loaded()
{
    if (isDesigning())
        return;
    QString editText = currentText();
    try {
        d->storage->Open();
        const auto close = qScopeGuard([&] { d->storage->Close(); });
        const QStringList stored = StoredList::Read(*d->storage);
        if (!stored.isEmpty())
            editText = stored.first();
        for (const QString &s : stored)
            if (!s.isEmpty())
                addItem(s);
    } catch (const Exception &) {
        // A blank key: the box starts with what it has.
    }
    // Set last: adding the first item would otherwise make it the edit text.
    setEditText(editText);
}

void TMRUCombo::UpdateList()
{
    const QString text = currentText();
    if (!text.isEmpty() && findText(text, Qt::MatchFixedString) < 0) {
        addItem(text);
        setEditText(text);
    }
    if (isDesigning())
        return;
    QStringList saved;
    for (int i = 0; i < std::min(count(), kSavedItems); ++i)
        saved << itemText(i);
    d->storage->Open();
    const auto close = qScopeGuard([&] { d->storage->Close(); });
    StoredList::Write(*d->storage, saved);
}

} // namespace corvanel
