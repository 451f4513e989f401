// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/Events.h>
#include <corvanel/Jstore.h>
#include <corvanel/corvanel_export.h>

#include <QAction>
#include <QList>
#include <QObject>
#include <QPointer>
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
// An item chosen by the user may be taken out of the list while Qt is still
// delivering its click (HideInUse, or an OnSelect handler changing the list);
// such an item is hidden at once and deleted once the click is over.
class CORVANEL_EXPORT TJMostRecentlyUsedList : public QObject, public Component
{
    Q_OBJECT
    Q_PROPERTY(corvanel::TJStorage *Storage READ Storage CONSTANT DESIGNABLE false)
    Q_PROPERTY(QString StorageKey READ StorageKey WRITE SetStorageKey)
    Q_CLASSINFO("corvanel.default.StorageKey", "")
    Q_PROPERTY(corvanel::TJStorage::TJStorageRootKey StorageRootKey READ StorageRootKey WRITE
                   SetStorageRootKey)
    Q_CLASSINFO("corvanel.default.StorageRootKey", "atrkClassesRoot")
    Q_PROPERTY(bool AutoSave READ AutoSave WRITE SetAutoSave)
    Q_CLASSINFO("corvanel.default.AutoSave", "true")
    Q_PROPERTY(bool HideInUse READ HideInUse WRITE SetHideInUse)
    Q_CLASSINFO("corvanel.default.HideInUse", "true")
    Q_PROPERTY(bool NumberAccelerators READ NumberAccelerators WRITE SetNumberAccelerators)
    Q_CLASSINFO("corvanel.default.NumberAccelerators", "true")
    Q_PROPERTY(uint NumberOffset READ NumberOffset WRITE SetNumberOffset)
    Q_CLASSINFO("corvanel.default.NumberOffset", "0")
    Q_PROPERTY(TJMRUSortKind SortBy READ SortBy WRITE SetSortBy)
    Q_CLASSINFO("corvanel.default.SortBy", "skMostRecent")
    Q_PROPERTY(uint MaxItems READ MaxItems WRITE SetMaxItems)
    // Declared 0 while a new list holds 10, so forms always keep it.
    Q_CLASSINFO("corvanel.default.MaxItems", "0")
    Q_PROPERTY(TJMRUMenuKind MenuKind READ MenuKind WRITE SetMenuKind)
    Q_CLASSINFO("corvanel.default.MenuKind", "mkSubMenu")
    Q_PROPERTY(QAction *RootMenuItem READ RootMenuItem WRITE SetRootMenuItem)

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

    TNotifyEvent OnChange;
    TJMRUSelectEvent OnSelect;

    TJStorage *Storage() const { return m_storage.get(); }
    QString StorageKey() const { return m_storage->Key(); }
    void SetStorageKey(const QString &key) { m_storage->SetKey(key); }
    TJStorage::TJStorageRootKey StorageRootKey() const { return m_storage->RegistryRootKey(); }
    void SetStorageRootKey(TJStorage::TJStorageRootKey root)
    {
        m_storage->SetRegistryRootKey(root);
    }

    bool AutoSave() const { return m_autoSave; }
    void SetAutoSave(bool autoSave) { m_autoSave = autoSave; }
    bool HideInUse() const { return m_hideInUse; }
    void SetHideInUse(bool hide) { m_hideInUse = hide; }
    bool NumberAccelerators() const { return m_numberAccelerators; }
    void SetNumberAccelerators(bool on) { m_numberAccelerators = on; }
    uint NumberOffset() const { return m_numberOffset; }
    void SetNumberOffset(uint offset) { m_numberOffset = offset; }
    uint MaxItems() const { return m_maxItems; }
    void SetMaxItems(uint maxItems) { m_maxItems = maxItems; }
    TJMRUSortKind SortBy() const { return m_sortBy; }
    void SetSortBy(TJMRUSortKind sortBy);
    TJMRUMenuKind MenuKind() const { return m_menuKind; }
    void SetMenuKind(TJMRUMenuKind kind);
    QAction *RootMenuItem() const { return m_root; }
    void SetRootMenuItem(QAction *root) { m_root = root; }
    bool RootDisabled() const { return m_rootDisabled; }
    QAction *Separator() const { return m_separator; }

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
    int GetCount() const { return int(m_entries.size()); }
    QAction *GetMenuItem(const QString &s) const;
    void CopyItems(QStringList &destination) const;
    void Load();
    void Save();
    void Init();
    void RefreshMenu();
    QString ItemByMenu(const QObject *item) const;
    void HandleMenuClick(QObject *sender);

protected:
    void Loaded() override;
    virtual void DoChange();

    void KillSeparator();
    QAction *MakeMenuItem(const QString &s);
    void AddAfter(QAction *item, QAction *anchor);
    void AddAt(int index, QAction *item, QAction *root, bool asChild);
    void TrimList();

private:
    struct Entry
    {
        QString text;
        QPointer<QAction> item;
    };

    QString caption(int index) const;
    void destroyItem(QAction *item);
    void sortEntries();
    void placeBefore(QAction *item, QAction *anchor);
    void onSavedRootDestroyed();

    QList<Entry> m_entries;
    std::unique_ptr<TJStorage> m_storage;
    bool m_rootDisabled = false;
    bool m_numberAccelerators = true;
    bool m_autoSave = true;
    TJMRUSortKind m_sortBy = skMostRecent;
    uint m_numberOffset = 0;
    uint m_maxItems = 10;
    QPointer<QAction> m_separator;
    QPointer<QAction> m_savedRoot;
    QMetaObject::Connection m_savedRootWatch;
    QPointer<QAction> m_root;
    TJMRUMenuKind m_menuKind = mkSubMenu;
    bool m_hideInUse = true;
    bool m_destroying = false;
    QAction *m_clicked = nullptr; // the item whose click is being delivered
};

namespace JMRU {
CORVANEL_EXPORT void Register();
} // namespace JMRU

} // namespace corvanel
