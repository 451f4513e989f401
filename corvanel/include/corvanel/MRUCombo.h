// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/Jstore.h>
#include <corvanel/corvanel_export.h>

#include <QComboBox>
#include <memory>

namespace corvanel {

/// An editable combo box whose list remembers the texts entered into it. Once
/// the form is loaded (Loaded()) the list and the edit text come from Storage:
/// "Count" and the values "0", "1", … in list order, "0" giving the edit text.
/// UpdateList(), called when the application sees fit, adds the current text
/// and saves the first ten items. Items stay in the order they were added, and
/// the box adds nothing by itself when the user presses Enter.
class CORVANEL_EXPORT TMRUCombo : public QComboBox, public Component
{
    Q_OBJECT
    /// The registry key where the box keeps its list; owned by the box.
    Q_PROPERTY(corvanel::TJStorage *Storage READ Storage CONSTANT DESIGNABLE false)
    /// The path of #Storage's key below its root; empty by default, and then the
    /// box starts with what it has and UpdateList() throws.
    Q_PROPERTY(QString StorageKey READ StorageKey WRITE SetStorageKey NOTIFY StorageKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageKey", "")
    /// The root of #Storage's key; atrkClassesRoot by default.
    Q_PROPERTY(corvanel::TJStorage::TJStorageRootKey StorageRootKey READ StorageRootKey WRITE
                   SetStorageRootKey NOTIFY StorageRootKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageRootKey", "atrkClassesRoot")
    /// Kept for forms that set it; true by default.
    Q_PROPERTY(bool ShowLatest READ ShowLatest WRITE SetShowLatest NOTIFY ShowLatestChanged)
    Q_CLASSINFO("corvanel.default.ShowLatest", "true")

public:
    /// An empty, editable combo box without a storage key.
    Q_INVOKABLE explicit TMRUCombo(QWidget *parent = nullptr);
    /// Destroys the box; nothing is saved (see UpdateList()).
    ~TMRUCombo() override;

    /// Reads #Storage.
    TJStorage *Storage() const;
    ///@{
    /// Read and set #StorageKey and #StorageRootKey (they are #Storage's).
    QString StorageKey() const;
    void SetStorageKey(const QString &key);
    TJStorage::TJStorageRootKey StorageRootKey() const;
    void SetStorageRootKey(TJStorage::TJStorageRootKey root);
    ///@}

    /// Kept for forms that set it; the box always shows the first saved text.
    bool ShowLatest() const;
    /// Sets #ShowLatest.
    void SetShowLatest(bool show);

    /// Throws corvanel::Exception when Storage's Key is blank (after adding
    /// the text to the list).
    ///
    /// A key that cannot be opened or written is not reported; the list saved
    /// before then stays whole (the items and "Count" are written in one
    /// transaction of the store).
    void UpdateList();

signals:
    /// Also when Storage is changed directly.
    ///
    /// Emitted when #StorageKey changes, with the new key.
    void StorageKeyChanged(const QString &key);
    /// Emitted when #StorageRootKey changes, with the new root.
    void StorageRootKeyChanged(corvanel::TJStorage::TJStorageRootKey root);
    /// Emitted when #ShowLatest changes, with the new value.
    void ShowLatestChanged(bool show);

protected:
    void Loaded() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace corvanel
