// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/JMRU.h>

#include <corvanel/Exception.h>
#include <corvanel/Palette.h>

#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <algorithm>
#include <utility>

namespace corvanel {

namespace {

// A damaged "Count" must not keep Load() reading missing values for ever.
constexpr qint32 kMaxStoredEntries = 65536;

QString addAtError()
{
    return QStringLiteral("AddAt: src or dest is nil");
}

QString addAfterError()
{
    return QStringLiteral("AddAfter: src or dest is nil");
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

TJMostRecentlyUsedList::TJMostRecentlyUsedList(QObject *parent)
    : QObject(parent), m_storage(std::make_unique<TJStorage>())
{
    m_storage->SetOwnerComponent(this);
}

TJMostRecentlyUsedList::~TJMostRecentlyUsedList()
{
    m_destroying = true;
    if (m_autoSave && !isDesigning()) {
        try {
            Save();
        } catch (...) {
            // A destructor cannot report it; the list is simply not saved.
        }
    }
    Clear();
    KillSeparator();
}

void TJMostRecentlyUsedList::SetSortBy(TJMRUSortKind sortBy)
{
    if (m_sortBy == sortBy)
        return;
    m_sortBy = sortBy;
    if (isDesigning())
        return;
    if (m_sortBy == skName)
        sortEntries();
    DoChange();
}

void TJMostRecentlyUsedList::SetMenuKind(TJMRUMenuKind kind)
{
    if (m_menuKind == kind)
        return;
    const TJMRUMenuKind old = std::exchange(m_menuKind, kind);
    if (isDesigning())
        return;
    // Only mkSubMenu disables the root; leaving it must not leave the user's
    // menu item disabled for good.
    if (old == mkSubMenu && m_rootDisabled) {
        m_rootDisabled = false;
        if (m_root)
            m_root->setEnabled(true);
    }
    if (m_menuKind != mkInsertWithSeparator && m_root && m_root == m_separator)
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
    Entry entry{s, m_root ? MakeMenuItem(s) : nullptr};
    if (m_sortBy == skName)
        m_entries.append(std::move(entry));
    else
        m_entries.prepend(std::move(entry));
    if (quint64(m_entries.size()) > m_maxItems)
        TrimList();
    if (m_sortBy == skName)
        sortEntries();
    DoChange();
}

void TJMostRecentlyUsedList::Delete(const QString &s)
{
    const int index = IndexOf(s);
    if (index < 0)
        return;
    destroyItem(m_entries[index].item);
    m_entries.removeAt(index);
    DoChange();
}

void TJMostRecentlyUsedList::Clear()
{
    for (const Entry &entry : std::as_const(m_entries))
        destroyItem(entry.item);
    m_entries.clear();
    DoChange();
}

void TJMostRecentlyUsedList::BringToTop(const QString &s)
{
    if (m_sortBy == skName)
        return;
    const int index = IndexOf(s);
    if (index < 0)
        throw Exception(
            QStringLiteral("Cannot move %1 to top of MRU - it is not in the MRU").arg(s));
    if (index == 0)
        return;
    m_entries.move(index, 0);
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
    if (m_hideInUse)
        Delete(s);
}

int TJMostRecentlyUsedList::IndexOf(const QString &s) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (sameText(m_entries[i].text, s))
            return int(i);
    return -1;
}

QString TJMostRecentlyUsedList::GetItem(int index) const
{
    if (index < 0 || index >= m_entries.size())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_entries[index].text;
}

QAction *TJMostRecentlyUsedList::GetMenuItem(const QString &s) const
{
    const int index = IndexOf(s);
    return index < 0 ? nullptr : m_entries[index].item.data();
}

void TJMostRecentlyUsedList::CopyItems(QStringList &destination) const
{
    destination.clear();
    for (const Entry &entry : m_entries)
        destination << entry.text;
}

void TJMostRecentlyUsedList::Load()
{
    const bool wasOpen = m_storage->IsOpen();
    Clear();
    if (m_storage->Key().isEmpty())
        return;
    m_storage->Open();
    const auto close = qScopeGuard([&] {
        if (!wasOpen)
            m_storage->Close();
    });
    const qint32 count =
        std::min(m_storage->ReadInteger(QStringLiteral("Count"), 0), kMaxStoredEntries);
    // From the last index down, so that Add() puts "0" on top again.
    for (qint32 i = count - 1; i >= 0; --i) {
        const QString s = m_storage->ReadString(QString::number(i), QString());
        if (!s.isEmpty())
            Add(s);
    }
}

void TJMostRecentlyUsedList::Save()
{
    if (m_storage->Key().isEmpty())
        return;
    const bool wasOpen = m_storage->IsOpen();
    m_storage->Open();
    const auto close = qScopeGuard([&] {
        if (!wasOpen)
            m_storage->Close();
    });
    m_storage->WriteInteger(QStringLiteral("Count"), qint32(m_entries.size()));
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        m_storage->WriteString(QString::number(i), m_entries[i].text);
}

void TJMostRecentlyUsedList::Init()
{
    if (m_autoSave)
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
    const QString &text = m_entries[index].text;
    const quint64 number = quint64(index) + m_numberOffset;
    if (m_numberAccelerators && number < 36)
        return QStringLiteral("&") + QLatin1Char(kDigits[number]) + QLatin1Char(' ') +
               escapedForMenu(fileNamePart(text));
    return escapedForMenu(text);
}

void TJMostRecentlyUsedList::RefreshMenu()
{
    QAction *root = m_root;
    if (!root)
        return;
    // Entries are captioned and placed in list order up to the first one
    // without a menu item, whose placement then fails.
    qsizetype count = 0;
    while (count < m_entries.size() && m_entries[count].item)
        ++count;
    for (qsizetype i = 0; i < count; ++i)
        m_entries[i].item->setText(caption(int(i)));
    // Each item is placed against its neighbour, so items already in place
    // stay where they are and the menu is not rebuilt at every change.
    switch (m_menuKind) {
    case mkSubMenu:
        for (qsizetype i = 0; i < count; ++i)
            AddAt(int(i), m_entries[i].item, root, true);
        break;
    case mkInsertAfter:
    case mkInsertWithSeparator:
        for (qsizetype i = 0; i < count; ++i)
            placeAfter(m_entries[i].item, i == 0 ? root : m_entries[i - 1].item.data(),
                       addAtError());
        break;
    case mkInsertBefore:
        for (qsizetype i = count - 1; i >= 0; --i)
            placeBefore(m_entries[i].item, i == count - 1 ? root : m_entries[i + 1].item.data());
        break;
    }
    if (count < m_entries.size())
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
    for (const Entry &entry : m_entries)
        if (entry.item == item)
            return entry.text;
    return {};
}

void TJMostRecentlyUsedList::HandleMenuClick(QObject *sender)
{
    const QPointer<TJMostRecentlyUsedList> self(this);
    QString text;
    bool opened = true;
    if (OnSelect) {
        text = ItemByMenu(sender);
        const TJMRUSelectEvent handler = OnSelect; // the handler may replace OnSelect
        handler(this, text, opened);
        if (!self)
            return;
    }
    if (opened)
        InUse(text);
}

void TJMostRecentlyUsedList::DoChange()
{
    if (isDesigning() || m_destroying)
        return;
    QAction *root = m_root;
    if (m_menuKind == mkSubMenu && root) {
        if (m_entries.isEmpty()) {
            m_rootDisabled = true;
            root->setEnabled(false);
        } else if (m_rootDisabled) {
            m_rootDisabled = false;
            root->setEnabled(true);
        }
    } else if (m_entries.isEmpty()) {
        KillSeparator();
    } else if (m_menuKind == mkInsertWithSeparator && root && root != m_separator) {
        m_savedRoot = root;
        disconnect(m_savedRootWatch);
        m_savedRootWatch =
            connect(root, &QObject::destroyed, this, &TJMostRecentlyUsedList::onSavedRootDestroyed);
        if (!m_separator) {
            m_separator = new QAction(this);
            m_separator->setSeparator(true);
        }
        // A separator action is what a "-" caption makes elsewhere; Qt would
        // draw a text on it as a section title, so it gets none.
        m_root = m_separator;
        AddAfter(m_separator, m_savedRoot);
    }
    RefreshMenu();
    if (OnChange) {
        const TNotifyEvent handler = OnChange;
        handler(this);
    }
}

void TJMostRecentlyUsedList::onSavedRootDestroyed()
{
    // The separator stood in for the destroyed item; nothing takes its place.
    disconnect(m_savedRootWatch);
    m_savedRoot = nullptr;
    if (m_root == m_separator)
        m_root = nullptr;
    delete m_separator.data();
    m_separator = nullptr;
}

void TJMostRecentlyUsedList::KillSeparator()
{
    if (!m_separator)
        return;
    disconnect(m_savedRootWatch);
    m_root = m_savedRoot;
    delete m_separator.data();
    m_separator = nullptr;
    m_savedRoot = nullptr;
}

QAction *TJMostRecentlyUsedList::MakeMenuItem(const QString &)
{
    auto *item = new QAction(this);
    connect(item, &QAction::triggered, this, [this, item] {
        const QPointer<TJMostRecentlyUsedList> self(this);
        QAction *outer = std::exchange(m_clicked, item);
        const auto restore = qScopeGuard([&] {
            if (self)
                m_clicked = outer;
        });
        HandleMenuClick(item);
    });
    return item;
}

void TJMostRecentlyUsedList::destroyItem(QAction *item)
{
    if (!item)
        return;
    if (item != m_clicked) {
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
    while (quint64(m_entries.size()) > m_maxItems) {
        destroyItem(m_entries[qsizetype(m_maxItems)].item);
        m_entries.removeAt(qsizetype(m_maxItems));
    }
}

void TJMostRecentlyUsedList::sortEntries()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
        return compareText(a.text, b.text) < 0;
    });
}

namespace JMRU {

void Register()
{
    PaletteEntry entry;
    entry.page = QStringLiteral("Corvanel");
    entry.className = QStringLiteral("corvanel::TJMostRecentlyUsedList");
    entry.includeFile = QStringLiteral("corvanel/JMRU.h");
    entry.toolTip = QStringLiteral("Most-recently-used list");
    entry.whatsThis = QStringLiteral(
        "Keeps recently used names in the registry and shows them as numbered menu items.");
    entry.createObject = &createDesigning<TJMostRecentlyUsedList, QObject>;
    Palette::add(std::move(entry));
}

} // namespace JMRU

} // namespace corvanel
