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

// A short list of recently used names (as a rule file paths) shown as numbered
// items of a menu, kept in the registry through Storage as "Count" and the
// values "0" … "Count-1", the first entry (the most recent one under
// skMostRecent) in "0".
//
// Menu items are QActions owned by the list. RootMenuItem says where they go:
// under mkSubMenu it is an action carrying a QMenu and the items become that
// menu's first actions; under the insert kinds the items go into the menu (or
// menu bar) that RootMenuItem stands in, before or after it, or after a
// separator action the list puts behind it. Objects the list refers to but
// does not own are held by QPointer, so a destroyed root or item is simply
// forgotten; a destroyed root that the separator stands in for takes the
// separator with it.
//
// Captions: with NumberAccelerators an entry shows "&<digit or letter> " and
// its file-name part, the text after its last '\\', ':' or '/' (Linux paths
// too); without, its whole text. An '&' of the entry is doubled, so a file
// name shows as it is instead of marking an accelerator.
//
// An item chosen by the user may be taken out of the list while Qt is still
// delivering its click (HideInUse, or an OnSelect handler changing the list);
// such an item is hidden at once and deleted once the click is over.
class CORVANEL_EXPORT TJMostRecentlyUsedList : public QObject, public Component
{
    Q_OBJECT
    Q_PROPERTY(corvanel::TJStorage *Storage READ Storage CONSTANT DESIGNABLE false)
    Q_PROPERTY(QString StorageKey READ StorageKey WRITE SetStorageKey NOTIFY StorageKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageKey", "")
    Q_PROPERTY(corvanel::TJStorage::TJStorageRootKey StorageRootKey READ StorageRootKey WRITE
                   SetStorageRootKey NOTIFY StorageRootKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageRootKey", "atrkClassesRoot")
    Q_PROPERTY(bool AutoSave READ AutoSave WRITE SetAutoSave NOTIFY AutoSaveChanged)
    Q_CLASSINFO("corvanel.default.AutoSave", "true")
    Q_PROPERTY(bool HideInUse READ HideInUse WRITE SetHideInUse NOTIFY HideInUseChanged)
    Q_CLASSINFO("corvanel.default.HideInUse", "true")
    Q_PROPERTY(bool NumberAccelerators READ NumberAccelerators WRITE SetNumberAccelerators NOTIFY
                   NumberAcceleratorsChanged)
    Q_CLASSINFO("corvanel.default.NumberAccelerators", "true")
    Q_PROPERTY(uint NumberOffset READ NumberOffset WRITE SetNumberOffset NOTIFY NumberOffsetChanged)
    Q_CLASSINFO("corvanel.default.NumberOffset", "0")
    Q_PROPERTY(TJMRUSortKind SortBy READ SortBy WRITE SetSortBy NOTIFY SortByChanged)
    Q_CLASSINFO("corvanel.default.SortBy", "skMostRecent")
    Q_PROPERTY(uint MaxItems READ MaxItems WRITE SetMaxItems NOTIFY MaxItemsChanged)
    // Declared 0 while a new list holds 10, so forms always keep it.
    Q_CLASSINFO("corvanel.default.MaxItems", "0")
    Q_PROPERTY(TJMRUMenuKind MenuKind READ MenuKind WRITE SetMenuKind NOTIFY MenuKindChanged)
    Q_CLASSINFO("corvanel.default.MenuKind", "mkSubMenu")
    Q_PROPERTY(
        QAction *RootMenuItem READ RootMenuItem WRITE SetRootMenuItem NOTIFY RootMenuItemChanged)

public:
    enum TJMRUSortKind : quint8
    {
        skName,
        skMostRecent
    };
    Q_ENUM(TJMRUSortKind)
    enum TJMRUMenuKind : quint8
    {
        mkInsertBefore,
        mkInsertAfter,
        mkInsertWithSeparator,
        mkSubMenu
    };
    Q_ENUM(TJMRUMenuKind)

    // The handler sets `opened` to false when it did not open `item`.
    using TJMRUSelectEvent =
        std::function<void(QObject *sender, const QString &item, bool &opened)>;

    Q_INVOKABLE explicit TJMostRecentlyUsedList(QObject *parent = nullptr);
    ~TJMostRecentlyUsedList() override;

    // The handlers of the list's events, one each; an empty one is not
    // called. Connect to changed() and selected() for more listeners.
    TNotifyEvent OnChange() const;
    void SetOnChange(TNotifyEvent handler);
    TJMRUSelectEvent OnSelect() const;
    void SetOnSelect(TJMRUSelectEvent handler);

    TJStorage *Storage() const;
    QString StorageKey() const;
    void SetStorageKey(const QString &key);
    TJStorage::TJStorageRootKey StorageRootKey() const;
    void SetStorageRootKey(TJStorage::TJStorageRootKey root);

    bool AutoSave() const;
    void SetAutoSave(bool autoSave);
    bool HideInUse() const;
    void SetHideInUse(bool hide);
    bool NumberAccelerators() const;
    void SetNumberAccelerators(bool on);
    uint NumberOffset() const;
    void SetNumberOffset(uint offset);
    uint MaxItems() const;
    void SetMaxItems(uint maxItems);
    TJMRUSortKind SortBy() const;
    void SetSortBy(TJMRUSortKind sortBy);
    TJMRUMenuKind MenuKind() const;
    void SetMenuKind(TJMRUMenuKind kind);
    // Also changes when the list puts its separator in the root's place and
    // takes it away again.
    QAction *RootMenuItem() const;
    void SetRootMenuItem(QAction *root);
    bool RootDisabled() const;
    QAction *Separator() const;

    void Add(const QString &s);
    void Delete(const QString &s);
    void Clear();
    // Throws when `s` is not in the list (under skMostRecent).
    void BringToTop(const QString &s);
    bool Used(const QString &s);
    void InUse(const QString &s);
    int IndexOf(const QString &s) const;
    // Throws for an index outside the list.
    QString GetItem(int index) const;
    int GetCount() const;
    QAction *GetMenuItem(const QString &s) const;
    void CopyItems(QStringList &destination) const;
    void Load();
    void Save();
    void Init();
    void RefreshMenu();
    QString ItemByMenu(const QObject *item) const;
    void HandleMenuClick(QObject *sender);

signals:
    // After OnChange.
    void changed();
    // After OnSelect, with the text of the chosen item.
    void selected(const QString &item);
    // Also when Storage is changed directly.
    void StorageKeyChanged(const QString &key);
    void StorageRootKeyChanged(corvanel::TJStorage::TJStorageRootKey root);
    void AutoSaveChanged(bool autoSave);
    void HideInUseChanged(bool hide);
    void NumberAcceleratorsChanged(bool on);
    void NumberOffsetChanged(uint offset);
    void MaxItemsChanged(uint maxItems);
    void SortByChanged(corvanel::TJMostRecentlyUsedList::TJMRUSortKind sortBy);
    void MenuKindChanged(corvanel::TJMostRecentlyUsedList::TJMRUMenuKind kind);
    void RootMenuItemChanged(QAction *root);

protected:
    void Loaded() override;
    virtual void DoChange();

    void KillSeparator();
    QAction *MakeMenuItem(const QString &s);
    void AddAfter(QAction *item, QAction *anchor);
    void AddAt(int index, QAction *item, QAction *root, bool asChild);
    void TrimList();

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

namespace JMRU {
CORVANEL_EXPORT void Register();
} // namespace JMRU

} // namespace corvanel
