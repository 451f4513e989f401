// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/Events.h>
#include <corvanel/Jstore.h>
#include <corvanel/corvanel_export.h>

#include <QAction>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

namespace corvanel {

/// A short list of recently used names (as a rule file paths) shown as numbered
/// items of a menu, kept in the registry through Storage as "Count" and the
/// values "0" … "Count-1", the first entry (the most recent one under
/// skMostRecent) in "0".
///
/// Menu items are QActions owned by the list. RootMenuItem says where they go:
/// under mkSubMenu it is an action carrying a QMenu and the items become that
/// menu's first actions; under the insert kinds the items go into the menu (or
/// menu bar) that RootMenuItem stands in, before or after it, or after a
/// separator action the list puts behind it. Objects the list refers to but
/// does not own are held by QPointer, so a destroyed root or item is simply
/// forgotten; a destroyed root that the separator stands in for takes the
/// separator with it.
///
/// Captions: with NumberAccelerators an entry shows "&<digit or letter> " and
/// its file-name part, the text after its last '\\', ':' or '/' (Linux paths
/// too); without, its whole text. An '&' of the entry is doubled, so a file
/// name shows as it is instead of marking an accelerator.
///
/// An item chosen by the user may be taken out of the list while Qt is still
/// delivering its click (HideInUse, or an OnSelect handler changing the list);
/// such an item is hidden at once and deleted once the click is over.
class CORVANEL_EXPORT TJMostRecentlyUsedList : public QObject, public Component
{
    Q_OBJECT
    /// The registry key where the list keeps its entries; owned by the list.
    Q_PROPERTY(corvanel::TJStorage *Storage READ Storage CONSTANT DESIGNABLE false)
    /// The path of #Storage's key below its root; empty (the default) keeps
    /// nothing: Load() and Save() then do nothing.
    Q_PROPERTY(QString StorageKey READ StorageKey WRITE SetStorageKey NOTIFY StorageKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageKey", "")
    /// The root of #Storage's key; atrkClassesRoot by default.
    Q_PROPERTY(corvanel::TJStorage::TJStorageRootKey StorageRootKey READ StorageRootKey WRITE
                   SetStorageRootKey NOTIFY StorageRootKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageRootKey", "atrkClassesRoot")
    /// Whether the list loads itself when the form is loaded and saves itself
    /// when it is destroyed; true by default. A failed save on destruction is
    /// not reported.
    Q_PROPERTY(bool AutoSave READ AutoSave WRITE SetAutoSave NOTIFY AutoSaveChanged)
    Q_CLASSINFO("corvanel.default.AutoSave", "true")
    /// Whether an item that was opened leaves the list (InUse()) while it is in
    /// use; true by default.
    Q_PROPERTY(bool HideInUse READ HideInUse WRITE SetHideInUse NOTIFY HideInUseChanged)
    Q_CLASSINFO("corvanel.default.HideInUse", "true")
    /// Whether the menu items are captioned "&0 name", "&1 name", ... (digits,
    /// then letters, for the first 36) with only the file name part of each
    /// entry; true by default. Without it an item shows the whole entry.
    Q_PROPERTY(bool NumberAccelerators READ NumberAccelerators WRITE SetNumberAccelerators NOTIFY
                   NumberAcceleratorsChanged)
    Q_CLASSINFO("corvanel.default.NumberAccelerators", "true")
    /// The number of the first item's accelerator; 0 by default.
    Q_PROPERTY(uint NumberOffset READ NumberOffset WRITE SetNumberOffset NOTIFY NumberOffsetChanged)
    Q_CLASSINFO("corvanel.default.NumberOffset", "0")
    /// The order of the entries; skMostRecent by default.
    Q_PROPERTY(TJMRUSortKind SortBy READ SortBy WRITE SetSortBy NOTIFY SortByChanged)
    Q_CLASSINFO("corvanel.default.SortBy", "skMostRecent")
    /// The most entries the list keeps; 10 for a new list. Entries beyond it go
    /// with the next Add().
    Q_PROPERTY(uint MaxItems READ MaxItems WRITE SetMaxItems NOTIFY MaxItemsChanged)
    // Declared 0 while a new list holds 10, so forms always keep it.
    Q_CLASSINFO("corvanel.default.MaxItems", "0")
    /// Where the menu items go relative to #RootMenuItem; mkSubMenu by default.
    Q_PROPERTY(TJMRUMenuKind MenuKind READ MenuKind WRITE SetMenuKind NOTIFY MenuKindChanged)
    Q_CLASSINFO("corvanel.default.MenuKind", "mkSubMenu")
    /// The menu item the list's items are placed by (see #MenuKind); none by
    /// default, and then the list has no menu items.
    Q_PROPERTY(
        QAction *RootMenuItem READ RootMenuItem WRITE SetRootMenuItem NOTIFY RootMenuItemChanged)

public:
    /// The order of the entries.
    enum TJMRUSortKind : quint8
    {
        /// By name, without regard to case; Add() keeps the order.
        skName,
        /// The most recently added or used first.
        skMostRecent
    };
    Q_ENUM(TJMRUSortKind)
    /// Where the menu items go.
    enum TJMRUMenuKind : quint8
    {
        /// Into #RootMenuItem's menu, before it.
        mkInsertBefore,
        /// Into #RootMenuItem's menu, after it.
        mkInsertAfter,
        /// Into #RootMenuItem's menu after a separator that the list puts behind it
        /// while the list has entries.
        mkInsertWithSeparator,
        /// As the first items of the menu that #RootMenuItem carries; the root item
        /// is disabled while the list is empty.
        mkSubMenu
    };
    Q_ENUM(TJMRUMenuKind)

    /// The handler sets `opened` to false when it did not open `item`.
    ///
    /// The handler of OnSelect(): the list and the chosen entry.
    using TJMRUSelectEvent =
        std::function<void(QObject *sender, const QString &item, bool &opened)>;

    /// An empty list without a storage key or a menu.
    Q_INVOKABLE explicit TJMostRecentlyUsedList(QObject *parent = nullptr);
    /// Saves the list when #AutoSave is set, then removes its menu items and
    /// separator.
    ~TJMostRecentlyUsedList() override;

    /// The handlers of the list's events, one each; an empty one is not
    /// called. Connect to changed() and selected() for more listeners.
    TNotifyEvent OnChange() const;
    /// Sets the handler of OnChange(), called after every change of the entries.
    void SetOnChange(TNotifyEvent handler);
    /// The handler called when the user chooses a menu item; none by default.
    TJMRUSelectEvent OnSelect() const;
    /// Sets the handler of OnSelect().
    void SetOnSelect(TJMRUSelectEvent handler);

    /// Reads #Storage.
    TJStorage *Storage() const;
    ///@{
    /// Read and set #StorageKey and #StorageRootKey (they are #Storage's).
    QString StorageKey() const;
    void SetStorageKey(const QString &key);
    TJStorage::TJStorageRootKey StorageRootKey() const;
    void SetStorageRootKey(TJStorage::TJStorageRootKey root);
    ///@}

    ///@{
    /// Reads and sets #AutoSave.
    bool AutoSave() const;
    void SetAutoSave(bool autoSave);
    ///@}
    ///@{
    /// Reads and sets #HideInUse.
    bool HideInUse() const;
    void SetHideInUse(bool hide);
    ///@}
    ///@{
    /// Reads and sets #NumberAccelerators.
    bool NumberAccelerators() const;
    void SetNumberAccelerators(bool on);
    ///@}
    ///@{
    /// Reads and sets #NumberOffset.
    uint NumberOffset() const;
    void SetNumberOffset(uint offset);
    ///@}
    ///@{
    /// Reads and sets #MaxItems.
    uint MaxItems() const;
    void SetMaxItems(uint maxItems);
    ///@}
    ///@{
    /// Reads and sets #SortBy.
    TJMRUSortKind SortBy() const;
    void SetSortBy(TJMRUSortKind sortBy);
    ///@}
    ///@{
    /// Reads and sets #MenuKind.
    TJMRUMenuKind MenuKind() const;
    void SetMenuKind(TJMRUMenuKind kind);
    ///@}
    /// Also changes when the list puts its separator in the root's place and
    /// takes it away again.
    QAction *RootMenuItem() const;
    /// Sets #RootMenuItem (null for none) and places the items by it.
    void SetRootMenuItem(QAction *root);
    /// True while the list has disabled its empty submenu's root (mkSubMenu).
    bool RootDisabled() const;
    /// The separator the list put behind the root (mkInsertWithSeparator), or null.
    QAction *Separator() const;

    /// Adds `s` at the top (skMostRecent) or in its place by name (skName),
    /// trimming the list to #MaxItems; an entry already there (compared without
    /// regard to case) is brought to the top instead. An empty `s` adds nothing.
    void Add(const QString &s);
    /// Takes `s` and its menu item out of the list; nothing when it is not there.
    void Delete(const QString &s);
    /// Empties the list and its menu.
    void Clear();
    /// Throws when `s` is not in the list (under skMostRecent).
    ///
    /// Under skName it does nothing.
    void BringToTop(const QString &s);
    /// Marks `s` as just used: brings it to the top when it is in the list (and
    /// returns true), else adds it (and returns false).
    bool Used(const QString &s);
    /// Tells the list that `s` is open now: with #HideInUse it leaves the list.
    void InUse(const QString &s);
    /// The position of `s` (compared without regard to case), or -1.
    int IndexOf(const QString &s) const;
    /// Throws for an index outside the list.
    QString GetItem(int index) const;
    /// The number of entries.
    int GetCount() const;
    /// The menu item of `s`, or null when `s` is not in the list or has none.
    QAction *GetMenuItem(const QString &s) const;
    /// Replaces the contents of `destination` by the entries, in list order.
    void CopyItems(QStringList &destination) const;
    /// Replaces the entries by those kept in #Storage (at most 65536 are read;
    /// empty values are skipped). Without a #StorageKey, or with a key that
    /// cannot be opened, the list is just emptied.
    void Load();
    /// Writes the entries to #Storage ("Count", "0", "1", ...), all in one
    /// transaction of the store. Without a #StorageKey nothing is written. A
    /// key that cannot be opened or written is not reported: the entries then
    /// stay unsaved, and the list saved before stays whole.
    void Save();
    /// Loads the list when #AutoSave is set and brings the menu up to date; run
    /// by Loaded().
    void Init();
    /// Recaptions and places the menu items in list order.
    void RefreshMenu();
    /// The entry whose menu item is `item`; empty for any other object.
    QString ItemByMenu(const QObject *item) const;
    /// Acts on a click on the menu item `sender`: calls OnSelect, emits
    /// selected(), and with an entry that was opened calls InUse().
    void HandleMenuClick(QObject *sender);

signals:
    /// After OnChange.
    void changed();
    /// After OnSelect, with the text of the chosen item.
    void selected(const QString &item);
    /// Also when Storage is changed directly.
    void StorageKeyChanged(const QString &key);
    ///@{
    /// Emitted when the property of the same name changes, with its new value.
    void StorageRootKeyChanged(corvanel::TJStorage::TJStorageRootKey root);
    void AutoSaveChanged(bool autoSave);
    void HideInUseChanged(bool hide);
    void NumberAcceleratorsChanged(bool on);
    void NumberOffsetChanged(uint offset);
    void MaxItemsChanged(uint maxItems);
    void SortByChanged(corvanel::TJMostRecentlyUsedList::TJMRUSortKind sortBy);
    void MenuKindChanged(corvanel::TJMostRecentlyUsedList::TJMRUMenuKind kind);
    void RootMenuItemChanged(QAction *root);
    ///@}

protected:
    /// @cond internal
    void Loaded() override;
    virtual void DoChange();

    void KillSeparator();
    QAction *MakeMenuItem(const QString &s);
    void AddAfter(QAction *item, QAction *anchor);
    void AddAt(int index, QAction *item, QAction *root, bool asChild);
    void TrimList();
    /// @endcond

private:
    struct Private;

    QString caption(int index) const;
    void destroyItem(QAction *item);
    void sortEntries();
    void placeBefore(QAction *item, QAction *anchor);
    void onSavedRootDestroyed();
    void ChangeRoot(QAction *root);

    std::unique_ptr<Private> d;
};

} // namespace corvanel
