// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace ombrel {

class EndgameTables;

// Loads the 12-seed endgame tables from the cache, building what is missing on
// a thread of its own so that the window never waits; hands them over on the
// window's thread when they are ready. Closing the window stops the build
// (the levels already written stay for next time).
class TableLoader : public QObject
{
    Q_OBJECT

public:
    static constexpr int Seeds = 12;

    explicit TableLoader(QObject *parent = nullptr);
    ~TableLoader() override;

    // Starts loading once; `ready` is called on this object's thread with the
    // tables, which live as long as the loader.
    void Start(std::function<void(const EndgameTables *)> ready);
    const EndgameTables *Tables() const noexcept { return m_tables.get(); }

private:
    std::unique_ptr<EndgameTables> m_tables;
    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    bool m_started = false;
};

} // namespace ombrel
