// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "StorageScope.h"
#include <corvanel/Exception.h>
#include <corvanel/Jstore.h>

#include "TempRegistry.h"

#include <gtest/gtest.h>
#include <stdexcept>

using corvanel::StorageScope;
using corvanel::TJStorage;

namespace {

struct ScopeCase
{
    const char *name;
    bool openBefore;
    bool throwInside;
    bool openAfter;
};

class StorageScopeCases : public ::testing::TestWithParam<ScopeCase>
{
protected:
    TempRegistry store;
    TJStorage storage;
};

TEST_P(StorageScopeCases, closesOnlyWhatItOpened)
{
    const ScopeCase &c = GetParam();
    storage.SetKey(QStringLiteral("Software\\Scope"));
    if (c.openBefore)
        storage.Open();
    try {
        StorageScope scope(storage);
        scope.open();
        EXPECT_TRUE(storage.IsOpen());
        storage.WriteInteger(QStringLiteral("n"), 1);
        if (c.throwInside)
            throw std::runtime_error("a failed read");
    } catch (const std::runtime_error &) {
    }
    EXPECT_EQ(storage.IsOpen(), c.openAfter);
}

INSTANTIATE_TEST_SUITE_P(
    StorageScope, StorageScopeCases,
    ::testing::Values(ScopeCase{"closedStaysClosed", false, false, false},
                      ScopeCase{"openStaysOpen", true, false, true},
                      ScopeCase{"closedStaysClosedWhenTheScopeThrows", false, true, false},
                      ScopeCase{"openStaysOpenWhenTheScopeThrows", true, true, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StorageScope, aFailedOpenClosesNothingAndTheScopeOpensNothingByItself)
{
    TempRegistry store;
    TJStorage storage;
    {
        StorageScope scope(storage);
        EXPECT_FALSE(storage.IsOpen());
        EXPECT_THROW(scope.open(), corvanel::Exception); // the key is blank
    }
    EXPECT_FALSE(storage.IsOpen());
}

} // namespace
