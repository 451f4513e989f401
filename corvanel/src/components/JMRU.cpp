// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/JMRU.h>

#include "StorageLink.h"
#include "StorageScope.h"
#include "StoredList.h"

#include <corvanel/Exception.h>

#include <QCoreApplication>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <algorithm>
#include <utility>

namespace corvanel {

namespace {

QString addAtError()
{
    return QCoreApplication::translate("Corvanel", "AddAt: src or dest is nil");
}

QString addAfterError()
{
    return QCoreApplication::translate("Corvanel", "AddAfter: src or dest is nil");
}

// The menu (or menu bar, or other widget) an action stands in.
QWidget *containerOf(const QAction *action)
{
    if (!action)
        return nullptr;
    QWidget *any = nullptr;
    for (QObject *object : action->associatedObjects()) {
        if (qobject_cast<QMenu *>(object) || qobject_cast<QMenuBar *>(object))
            return static_cast<QWidget *>(object);
        if (!any)
            any = qobject_cast<QWidget *>(object);
    }
    return any;
}

// A menu item stands in one menu at a time.
void detachFromOthers(QAction *item, const QWidget *container)
{
    for (QObject *object : item->associatedObjects())
        if (auto *widget = qobject_cast<QWidget *>(object); widget && widget != container)
            widget->removeAction(item);
}

void insertAt(QWidget *container, QAction *item, qsizetype index)
{
    const QList<QAction *> actions = container->actions();
    if (index < actions.size())
        container->insertAction(actions[index], item);
    else
        container->addAction(item);
}

void placeAfter(QAction *item, QAction *anchor, const QString &error)
{
    QWidget *container = item && anchor ? containerOf(anchor) : nullptr;
    if (!container)
        throw Exception(error);
    detachFromOthers(item, container);
    const QList<QAction *> actions = container->actions();
    const qsizetype at = actions.indexOf(item);
    if (at >= 0 && at == actions.indexOf(anchor) + 1)
        return;
    if (at >= 0)
        container->removeAction(item);
    insertAt(container, item, container->actions().indexOf(anchor) + 1);
}

QString fileNamePart(const QString &text)
{
    const qsizetype cut =
        std::max({text.lastIndexOf(QLatin1Char('\\')), text.lastIndexOf(QLatin1Char(':')),
                  text.lastIndexOf(QLatin1Char('/'))});
    return text.mid(cut + 1);
}

// A '&' of a file name is a character of the name, not a mnemonic.
QString escapedForMenu(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Entries compare as file names do on the system the list comes from: only
// the letters a to z count as their capitals, every other character (accented
// letters, the long s) is itself, and the order is that of the capitalised
// character codes, so "[x]" and "_b" come after "a".
char16_t asciiUpper(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
}

int compareText(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = asciiUpper(a[i]);
        const char16_t y = asciiUpper(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool sameText(const QString &a, const QString &b)
{
    return a.size() == b.size() && compareText(a, b) == 0;
}

} // namespace

namespace {

struct Entry
{
    QString text;
    QPointer<QAction> item;
};

} // namespace

struct TJMostRecentlyUsedList::Private
{
    explicit Private(TJMostRecentlyUsedList *list) : storage(list) {}

    QList<Entry> entries;
    StorageLink storage;
    bool rootDisabled = false;
    bool numberAccelerators = true;
    bool autoSave = true;
    TJMRUSortKind sortBy = skMostRecent;
    uint numberOffset = 0;
    uint maxItems = 10;
    QPointer<QAction> separator;
    QPointer<QAction> savedRoot;
    QMetaObject::Connection savedRootWatch;
    QPointer<QAction> root;
    TJMRUMenuKind menuKind = mkSubMenu;
    bool hideInUse = true;
    bool destroying = false;
    QAction *clicked = nullptr; // the item whose click is being delivered
    TNotifyEvent onChange;
    TJMRUSelectEvent onSelect;
};

TJMostRecentlyUsedList::TJMostRecentlyUsedList(QObject *parent)
    : QObject(parent), d(new Private(this))
{}

TJMostRecentlyUsedList::~TJMostRecentlyUsedList()
{
    d->destroying = true;
    if (d->autoSave && !isDesigning()) {
        try {
            Save();
        } catch (...) {
            // A destructor cannot report it; the list is simply not saved.
        }
    }
    Clear();
    KillSeparator();
}

TNotifyEvent TJMostRecentlyUsedList::OnChange() const
{
    return d->onChange;
}

void TJMostRecentlyUsedList::SetOnChange(TNotifyEvent handler)
{
    d->onChange = std::move(handler);
}

TJMostRecentlyUsedList::TJMRUSelectEvent TJMostRecentlyUsedList::OnSelect() const
{
    return d->onSelect;
}

void TJMostRecentlyUsedList::SetOnSelect(TJMRUSelectEvent handler)
{
    d->onSelect = std::move(handler);
}

TJStorage *TJMostRecentlyUsedList::Storage() const
{
    return d->storage.get();
}

QString TJMostRecentlyUsedList::StorageKey() const
{
    return d->storage.key();
}

void TJMostRecentlyUsedList::SetStorageKey(const QString &key)
{
    d->storage.setKey(key);
}

TJStorage::TJStorageRootKey TJMostRecentlyUsedList::StorageRootKey() const
{
    return d->storage.rootKey();
}

void TJMostRecentlyUsedList::SetStorageRootKey(TJStorage::TJStorageRootKey root)
{
    d->storage.setRootKey(root);
}

bool TJMostRecentlyUsedList::AutoSave() const
{
    return d->autoSave;
}

void TJMostRecentlyUsedList::SetAutoSave(bool autoSave)
{
    if (autoSave == d->autoSave)
        return;
    d->autoSave = autoSave;
    emit AutoSaveChanged(autoSave);
}

bool TJMostRecentlyUsedList::HideInUse() const
{
    return d->hideInUse;
}

void TJMostRecentlyUsedList::SetHideInUse(bool hide)
{
    if (hide == d->hideInUse)
        return;
    d->hideInUse = hide;
    emit HideInUseChanged(hide);
}

bool TJMostRecentlyUsedList::NumberAccelerators() const
{
    return d->numberAccelerators;
}

void TJMostRecentlyUsedList::SetNumberAccelerators(bool on)
{
    if (on == d->numberAccelerators)
        return;
    d->numberAccelerators = on;
    emit NumberAcceleratorsChanged(on);
}

uint TJMostRecentlyUsedList::NumberOffset() const
{
    return d->numberOffset;
}

void TJMostRecentlyUsedList::SetNumberOffset(uint offset)
{
    if (offset == d->numberOffset)
        return;
    d->numberOffset = offset;
    emit NumberOffsetChanged(offset);
}

uint TJMostRecentlyUsedList::MaxItems() const
{
    return d->maxItems;
}

void TJMostRecentlyUsedList::SetMaxItems(uint maxItems)
{
    if (maxItems == d->maxItems)
        return;
    d->maxItems = maxItems;
    emit MaxItemsChanged(maxItems);
}

TJMostRecentlyUsedList::TJMRUSortKind TJMostRecentlyUsedList::SortBy() const
{
    return d->sortBy;
}

TJMostRecentlyUsedList::TJMRUMenuKind TJMostRecentlyUsedList::MenuKind() const
{
    return d->menuKind;
}

QAction *TJMostRecentlyUsedList::RootMenuItem() const
{
    return d->root;
}

void TJMostRecentlyUsedList::SetRootMenuItem(QAction *root)
{
    ChangeRoot(root);
}

void TJMostRecentlyUsedList::ChangeRoot(QAction *root)
{
    if (root == d->root)
        return;
    d->root = root;
    emit RootMenuItemChanged(root);
}

bool TJMostRecentlyUsedList::RootDisabled() const
{
    return d->rootDisabled;
}

QAction *TJMostRecentlyUsedList::Separator() const
{
    return d->separator;
}

int TJMostRecentlyUsedList::GetCount() const
{
    return int(d->entries.size());
}

void TJMostRecentlyUsedList::SetSortBy(TJMRUSortKind sortBy)
{
    if (d->sortBy == sortBy)
        return;
    d->sortBy = sortBy;
    emit SortByChanged(sortBy);
    if (isDesigning())
        return;
    if (d->sortBy == skName)
        sortEntries();
    DoChange();
}

void TJMostRecentlyUsedList::SetMenuKind(TJMRUMenuKind kind)
{
    if (d->menuKind == kind)
        return;
    const TJMRUMenuKind old = std::exchange(d->menuKind, kind);
    emit MenuKindChanged(kind);
    if (isDesigning())
        return;
    // Only mkSubMenu disables the root; leaving it must not leave the user's
    // menu item disabled for good.
    if (old == mkSubMenu && d->rootDisabled) {
        d->rootDisabled = false;
        if (d->root)
            d->root->setEnabled(true);
    }
    if (d->menuKind != mkInsertWithSeparator && d->root && d->root == d->separator)
        KillSeparator();
    RefreshMenu();
}

void TJMostRecentlyUsedList::Add(const QString &s)
{
    if (s.isEmpty())
        return;
    if (IndexOf(s) >= 0) {
        BringToTop(s);
        return;
    }
    Entry entry{s, d->root ? MakeMenuItem(s) : nullptr};
    if (d->sortBy == skName)
        d->entries.append(std::move(entry));
    else
        d->entries.prepend(std::move(entry));
    if (quint64(d->entries.size()) > d->maxItems)
        TrimList();
    if (d->sortBy == skName)
        sortEntries();
    DoChange();
}

void TJMostRecentlyUsedList::Delete(const QString &s)
{
    const int index = IndexOf(s);
    if (index < 0)
        return;
    destroyItem(d->entries[index].item);
    d->entries.removeAt(index);
    DoChange();
}

void TJMostRecentlyUsedList::Clear()
{
    for (const Entry &entry : std::as_const(d->entries))
        destroyItem(entry.item);
    d->entries.clear();
    DoChange();
}

void TJMostRecentlyUsedList::BringToTop(const QString &s)
{
    if (d->sortBy == skName)
        return;
    const int index = IndexOf(s);
    if (index < 0)
        throw Exception(QCoreApplication::translate(
                            "Corvanel", "Cannot move %1 to top of MRU - it is not in the MRU")
                            .arg(s));
    if (index == 0)
        return;
    d->entries.move(index, 0);
    DoChange();
}

bool TJMostRecentlyUsedList::Used(const QString &s)
{
    if (IndexOf(s) < 0) {
        Add(s);
        return false;
    }
    BringToTop(s);
    return true;
}

void TJMostRecentlyUsedList::InUse(const QString &s)
{
    if (d->hideInUse)
        Delete(s);
}

int TJMostRecentlyUsedList::IndexOf(const QString &s) const
{
    for (qsizetype i = 0; i < d->entries.size(); ++i)
        if (sameText(d->entries[i].text, s))
            return int(i);
    return -1;
}

QString TJMostRecentlyUsedList::GetItem(int index) const
{
    if (index < 0 || index >= d->entries.size())
        throw Exception(
            QCoreApplication::translate("Corvanel", "List index out of bounds (%1)").arg(index));
    return d->entries[index].text;
}

QAction *TJMostRecentlyUsedList::GetMenuItem(const QString &s) const
{
    const int index = IndexOf(s);
    return index < 0 ? nullptr : d->entries[index].item.data();
}

void TJMostRecentlyUsedList::CopyItems(QStringList &destination) const
{
    destination.clear();
    for (const Entry &entry : d->entries)
        destination << entry.text;
}

void TJMostRecentlyUsedList::Load()
{
    StorageScope scope(*d->storage);
    Clear();
    if (d->storage->Key().isEmpty())
        return;
    scope.open();
    const QStringList stored = StoredList::Read(*d->storage);
    // From the last index down, so that Add() puts "0" on top again.
    for (auto s = stored.crbegin(); s != stored.crend(); ++s)
        if (!s->isEmpty())
            Add(*s);
}

void TJMostRecentlyUsedList::Save()
{
    if (d->storage->Key().isEmpty())
        return;
    StorageScope scope(*d->storage);
    scope.open();
    QStringList texts;
    for (const auto &entry : d->entries)
        texts << entry.text;
    StoredList::Write(*d->storage, texts);
}

void TJMostRecentlyUsedList::Init()
{
    if (d->autoSave)
        Load();
    DoChange();
}

void TJMostRecentlyUsedList::Loaded()
{
    if (!isDesigning())
        Init();
}

QString TJMostRecentlyUsedList::caption(int index) const
{
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const QString &text = d->entries[index].text;
    const quint64 number = quint64(index) + d->numberOffset;
    if (d->numberAccelerators && number < 36)
        return QStringLiteral("&") + QLatin1Char(kDigits[number]) + QLatin1Char(' ') +
               escapedForMenu(fileNamePart(text));
    return escapedForMenu(text);
}

void TJMostRecentlyUsedList::RefreshMenu()
{
    QAction *root = d->root;
    if (!root)
        return;
    // Entries are captioned and placed in list order up to the first one
    // without a menu item, whose placement then fails.
    qsizetype count = 0;
    while (count < d->entries.size() && d->entries[count].item)
        ++count;
    for (qsizetype i = 0; i < count; ++i)
        d->entries[i].item->setText(caption(int(i)));
    // Each item is placed against its neighbour, so items already in place
    // stay where they are and the menu is not rebuilt at every change.
    switch (d->menuKind) {
    case mkSubMenu:
        for (qsizetype i = 0; i < count; ++i)
            AddAt(int(i), d->entries[i].item, root, true);
        break;
    case mkInsertAfter:
    case mkInsertWithSeparator:
        for (qsizetype i = 0; i < count; ++i)
            placeAfter(d->entries[i].item, i == 0 ? root : d->entries[i - 1].item.data(),
                       addAtError());
        break;
    case mkInsertBefore:
        for (qsizetype i = count - 1; i >= 0; --i)
            placeBefore(d->entries[i].item, i == count - 1 ? root : d->entries[i + 1].item.data());
        break;
    }
    if (count < d->entries.size())
        throw Exception(addAtError());
}

void TJMostRecentlyUsedList::placeBefore(QAction *item, QAction *anchor)
{
    QWidget *container = item && anchor ? containerOf(anchor) : nullptr;
    if (!container)
        throw Exception(addAtError());
    detachFromOthers(item, container);
    const QList<QAction *> actions = container->actions();
    const qsizetype at = actions.indexOf(item);
    if (at >= 0 && at + 1 == actions.indexOf(anchor))
        return;
    if (at >= 0)
        container->removeAction(item);
    container->insertAction(anchor, item);
}

QString TJMostRecentlyUsedList::ItemByMenu(const QObject *item) const
{
    if (!item)
        return {};
    for (const Entry &entry : d->entries)
        if (entry.item == item)
            return entry.text;
    return {};
}

void TJMostRecentlyUsedList::HandleMenuClick(QObject *sender)
{
    const QPointer<TJMostRecentlyUsedList> self(this);
    QString text;
    bool opened = true;
    if (d->onSelect) {
        text = ItemByMenu(sender);
        const TJMRUSelectEvent handler = d->onSelect; // the handler may replace OnSelect
        handler(this, text, opened);
        if (!self)
            return;
    }
    emit selected(ItemByMenu(sender));
    if (!self)
        return;
    if (opened)
        InUse(text);
}

void TJMostRecentlyUsedList::DoChange()
{
    if (isDesigning() || d->destroying)
        return;
    QAction *root = d->root;
    if (d->menuKind == mkSubMenu && root) {
        if (d->entries.isEmpty()) {
            d->rootDisabled = true;
            root->setEnabled(false);
        } else if (d->rootDisabled) {
            d->rootDisabled = false;
            root->setEnabled(true);
        }
    } else if (d->entries.isEmpty()) {
        KillSeparator();
    } else if (d->menuKind == mkInsertWithSeparator && root && root != d->separator) {
        d->savedRoot = root;
        disconnect(d->savedRootWatch);
        d->savedRootWatch =
            connect(root, &QObject::destroyed, this, &TJMostRecentlyUsedList::onSavedRootDestroyed);
        if (!d->separator) {
            d->separator = new QAction(this);
            d->separator->setSeparator(true);
        }
        // A separator action is what a "-" caption makes elsewhere; Qt would
        // draw a text on it as a section title, so it gets none.
        ChangeRoot(d->separator);
        AddAfter(d->separator, d->savedRoot);
    }
    RefreshMenu();
    const QPointer<TJMostRecentlyUsedList> self(this);
    if (d->onChange) {
        const TNotifyEvent handler = d->onChange;
        handler(this);
    }
    if (self)
        emit changed();
}

void TJMostRecentlyUsedList::onSavedRootDestroyed()
{
    // The separator stood in for the destroyed item; nothing takes its place.
    disconnect(d->savedRootWatch);
    d->savedRoot = nullptr;
    if (d->root == d->separator)
        ChangeRoot(nullptr);
    delete d->separator.data();
    d->separator = nullptr;
}

void TJMostRecentlyUsedList::KillSeparator()
{
    if (!d->separator)
        return;
    disconnect(d->savedRootWatch);
    ChangeRoot(d->savedRoot);
    delete d->separator.data();
    d->separator = nullptr;
    d->savedRoot = nullptr;
}

QAction *TJMostRecentlyUsedList::MakeMenuItem(const QString &)
{
    auto *item = new QAction(this);
    connect(item, &QAction::triggered, this, [this, item] {
        const QPointer<TJMostRecentlyUsedList> self(this);
        QAction *outer = std::exchange(d->clicked, item);
        const auto restore = qScopeGuard([&] {
            if (self)
                d->clicked = outer;
        });
        HandleMenuClick(item);
    });
    return item;
}

void TJMostRecentlyUsedList::destroyItem(QAction *item)
{
    if (!item)
        return;
    if (item != d->clicked) {
        delete item;
        return;
    }
    // Qt goes on using this action once the click handler returns (the menu
    // still reports it through QMenu::triggered): hide it now, and delete it
    // once the click is over, even if the list goes first.
    item->setVisible(false);
    disconnect(item, nullptr, this, nullptr);
    item->setParent(nullptr);
    item->deleteLater();
}

void TJMostRecentlyUsedList::AddAfter(QAction *item, QAction *anchor)
{
    placeAfter(item, anchor, addAfterError());
}

void TJMostRecentlyUsedList::AddAt(int index, QAction *item, QAction *root, bool asChild)
{
    if (!item || !root)
        throw Exception(addAtError());
    QWidget *container = asChild ? root->menu() : containerOf(root);
    if (!container)
        throw Exception(addAtError());
    detachFromOthers(item, container);
    index = std::max(index, 0);
    const qsizetype at = container->actions().indexOf(item);
    if (at == index)
        return;
    if (at >= 0)
        container->removeAction(item);
    insertAt(container, item, index);
}

void TJMostRecentlyUsedList::TrimList()
{
    while (quint64(d->entries.size()) > d->maxItems) {
        destroyItem(d->entries[qsizetype(d->maxItems)].item);
        d->entries.removeAt(qsizetype(d->maxItems));
    }
}

void TJMostRecentlyUsedList::sortEntries()
{
    std::stable_sort(d->entries.begin(), d->entries.end(), [](const Entry &a, const Entry &b) {
        return compareText(a.text, b.text) < 0;
    });
}

} // namespace corvanel
