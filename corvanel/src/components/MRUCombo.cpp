// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/MRUCombo.h>

#include <corvanel/Exception.h>
#include <corvanel/Palette.h>

#include <QScopeGuard>
#include <algorithm>

namespace corvanel {

namespace {

constexpr int kSavedItems = 10;
// A damaged "Count" must not keep Loaded() reading missing values for ever.
constexpr qint32 kMaxStoredItems = 65536;

} // namespace

TMRUCombo::TMRUCombo(QWidget *parent) : QComboBox(parent), m_storage(std::make_unique<TJStorage>())
{
    m_storage->SetOwnerComponent(this);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

TMRUCombo::~TMRUCombo() = default;

void TMRUCombo::Loaded()
{
    if (isDesigning())
        return;
    QString editText = currentText();
    try {
        m_storage->Open();
        const auto close = qScopeGuard([&] { m_storage->Close(); });
        const qint32 count =
            std::min(m_storage->ReadInteger(QStringLiteral("Count"), 0), kMaxStoredItems);
        for (qint32 i = 0; i < count; ++i) {
            const QString s = m_storage->ReadString(QString::number(i), QString());
            if (i == 0)
                editText = s;
            if (!s.isEmpty())
                addItem(s);
        }
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
    const int n = std::min(count(), kSavedItems);
    m_storage->Open();
    const auto close = qScopeGuard([&] { m_storage->Close(); });
    for (int i = 0; i < n; ++i)
        m_storage->WriteString(QString::number(i), itemText(i));
    m_storage->WriteInteger(QStringLiteral("Count"), n);
}

namespace MRUCombo {

void Register()
{
    PaletteEntry entry;
    entry.page = QStringLiteral("Corvanel");
    entry.className = QStringLiteral("corvanel::TMRUCombo");
    entry.includeFile = QStringLiteral("corvanel/MRUCombo.h");
    entry.toolTip = QStringLiteral("Combo box that remembers its entries");
    entry.whatsThis = QStringLiteral("An editable combo box whose list is kept in the registry.");
    entry.createWidget = &createDesigning<TMRUCombo, QWidget>;
    Palette::add(std::move(entry));
}

} // namespace MRUCombo

} // namespace corvanel
