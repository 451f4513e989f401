// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "TableLoader.h"

#include "EndgameTables.h"
#include "TableBuilder.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include <string>

Q_LOGGING_CATEGORY(lcTables, "ombrel.tables")

namespace ombrel {

TableLoader::TableLoader(QObject *parent) : QObject(parent) {}

TableLoader::~TableLoader()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void TableLoader::Start(std::function<void(const EndgameTables *)> ready)
{
    if (m_started)
        return;
    m_started = true;
    m_worker = std::thread([this, ready = std::move(ready)] {
        auto tables = std::make_shared<EndgameTables>();
        std::string error;
        // One thread: the other core stays with the window and the search.
        const bool ok = TableBuilder::BuildInto(EndgameTables::DefaultDirectory(), Seeds, 1,
                                                *tables, error, {}, {}, &m_cancel);
        if (!ok) {
            if (!m_cancel)
                qCWarning(lcTables) << "endgame tables:" << error.c_str();
            return; // the Master plays on without them
        }
        QMetaObject::invokeMethod(
            this,
            [this, tables, ready] {
                m_tables = std::make_unique<EndgameTables>(std::move(*tables));
                ready(m_tables.get());
            },
            Qt::QueuedConnection);
    });
}

} // namespace ombrel
