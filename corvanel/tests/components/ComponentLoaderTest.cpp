// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Component.h>
#include <corvanel/ComponentLoader.h>

#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QStringList loadOrder;

class Probe : public QWidget, public corvanel::Component
{
public:
    Probe(const QString &name, QWidget *parent) : QWidget(parent) { setObjectName(name); }

protected:
    void Loaded() override { loadOrder << objectName(); }
};

class Form : public ::testing::Test
{
protected:
    void SetUp() override { loadOrder.clear(); }
};

TEST_F(Form, loadsComponentsParentFirstInCreationOrder)
{
    QWidget form;
    auto *a = new Probe("a", &form);
    new Probe("a1", a);
    new QWidget(&form); // not a component
    new Probe("b", &form);
    EXPECT_EQ(corvanel::loadComponents(&form), 3);
    EXPECT_EQ(loadOrder, QStringList({"a", "a1", "b"}));
}

TEST_F(Form, loadsEachComponentOnlyOnce)
{
    QWidget form;
    auto *a = new Probe("a", &form);
    corvanel::loadComponents(&form);
    new Probe("late", &form);
    EXPECT_EQ(corvanel::loadComponents(&form), 1);
    EXPECT_TRUE(a->isLoaded());
    EXPECT_EQ(loadOrder, QStringList({"a", "late"}));
}

TEST_F(Form, formItselfMayBeAComponent)
{
    Probe form("form", nullptr);
    new Probe("child", &form);
    corvanel::loadComponents(&form);
    EXPECT_EQ(loadOrder, QStringList({"form", "child"}));
    EXPECT_EQ(corvanel::loadComponents(nullptr), 0);
}

} // namespace
