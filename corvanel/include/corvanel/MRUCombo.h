// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <corvanel/Component.h>
#include <corvanel/Jstore.h>
#include <corvanel/corvanel_export.h>

#include <QComboBox>
#include <memory>

namespace corvanel {

// An editable combo box whose list remembers the texts entered into it. Once
// the form is loaded (Loaded()) the list and the edit text come from Storage:
// "Count" and the values "0", "1", … in list order, "0" giving the edit text.
// UpdateList(), called when the application sees fit, adds the current text
// and saves the first ten items. Items stay in the order they were added, and
// the box adds nothing by itself when the user presses Enter.
class CORVANEL_EXPORT TMRUCombo : public QComboBox, public Component
{
    Q_OBJECT
    Q_PROPERTY(corvanel::TJStorage *Storage READ Storage CONSTANT DESIGNABLE false)
    Q_PROPERTY(QString StorageKey READ StorageKey WRITE SetStorageKey NOTIFY StorageKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageKey", "")
    Q_PROPERTY(corvanel::TJStorage::TJStorageRootKey StorageRootKey READ StorageRootKey WRITE
                   SetStorageRootKey NOTIFY StorageRootKeyChanged)
    Q_CLASSINFO("corvanel.default.StorageRootKey", "atrkClassesRoot")
    Q_PROPERTY(bool ShowLatest READ ShowLatest WRITE SetShowLatest NOTIFY ShowLatestChanged)
    Q_CLASSINFO("corvanel.default.ShowLatest", "true")

public:
    Q_INVOKABLE explicit TMRUCombo(QWidget *parent = nullptr);
    ~TMRUCombo() override;

    TJStorage *Storage() const;
    QString StorageKey() const;
    void SetStorageKey(const QString &key);
    TJStorage::TJStorageRootKey StorageRootKey() const;
    void SetStorageRootKey(TJStorage::TJStorageRootKey root);

    // Kept for forms that set it; the box always shows the first saved text.
    bool ShowLatest() const;
    void SetShowLatest(bool show);

    // Throws corvanel::Exception when Storage's Key is blank (after adding
    // the text to the list).
    void UpdateList();

signals:
    // Also when Storage is changed directly.
    void StorageKeyChanged(const QString &key);
    void StorageRootKeyChanged(corvanel::TJStorage::TJStorageRootKey root);
    void ShowLatestChanged(bool show);

protected:
    void Loaded() override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

namespace MRUCombo {
CORVANEL_EXPORT void Register();
} // namespace MRUCombo

} // namespace corvanel
