// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include <corvanel/Exception.h>
#include <corvanel/undo.h>

#include <QAction>
#include <QRandomGenerator>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace corvanel;

namespace {

// An undo record that sets the document's value; counts the records alive so
// that leaks and double deletes show.
struct SetValue : JActionData
{
    static inline int alive = 0;
    int value;
    SetValue(JAction *action, int v) : value(v)
    {
        Action = action;
        ++alive;
    }
    ~SetValue() override { --alive; }
};

class Undo : public ::testing::Test
{
protected:
    int document = 0;
    QList<int> performed;
    bool failNext = false;
    bool storeThenFail = false;
    bool giveNothing = false;
    JAction setAction;
    JAction otherAction;
    QAction undoAction{"Undo"};

    void SetUp() override
    {
        SetValue::alive = 0;
        setAction.SetCaption("Undo typing");
        otherAction.SetCaption("Undo delete");
        for (JAction *action : {&setAction, &otherAction}) {
            action->SetOnDo([this, action](JActionData *data, pJActionData made) {
                EXPECT_EQ(*made, nullptr);
                if (storeThenFail)
                    *made = new SetValue(action, -1);
                if (failNext || storeThenFail)
                    throw std::runtime_error("refused");
                const int value = static_cast<SetValue *>(data)->value;
                if (!giveNothing)
                    *made = new SetValue(action, document);
                document = value;
                performed << value;
            });
        }
        undoAction.setEnabled(false);
    }
    void TearDown() override { EXPECT_EQ(SetValue::alive, 0); }
};

TEST_F(Undo, newBuffersHaveNothingToUndo)
{
    TUndoSingleBuffer single;
    TUndoMultiBuffer multi;
    single.SetUndoAction(&undoAction);
    multi.SetUndoAction(&undoAction);
    EXPECT_FALSE(single.GetCanUndo());
    EXPECT_FALSE(multi.GetCanUndo());
    single.Undo();
    multi.Undo();
    EXPECT_TRUE(performed.isEmpty());
    EXPECT_EQ(undoAction.text(), "Undo");
    EXPECT_FALSE(undoAction.isEnabled());
}

TEST_F(Undo, theSingleBufferAlternatesUndoAndRedo)
{
    SetValue typed(&setAction, 5); // the caller's own record
    {
        TUndoSingleBuffer single;
        single.SetUndoAction(&undoAction);
        JActionData *held = single.Do(&typed);
        EXPECT_EQ(held, single.Held());
        EXPECT_EQ(document, 5);
        EXPECT_EQ(undoAction.text(), "Undo typing");
        EXPECT_TRUE(undoAction.isEnabled());
        for (int expected : {0, 5, 0, 5}) {
            single.Undo();
            EXPECT_EQ(document, expected);
            EXPECT_TRUE(single.GetCanUndo());
            EXPECT_TRUE(undoAction.isEnabled());
        }
        EXPECT_EQ(SetValue::alive, 2); // the caller's record and the held one
    }
    EXPECT_EQ(SetValue::alive, 1); // the held record went with the buffer
}

TEST_F(Undo, theMultiBufferUndoesInReverseOrderUntilItCannot)
{
    SetValue a(&setAction, 1), b(&otherAction, 2);
    TUndoMultiBuffer multi;
    multi.SetUndoAction(&undoAction);
    multi.Do(&a);
    multi.Do(&b);
    EXPECT_EQ(multi.Stack().Size(), 2u);
    EXPECT_EQ(undoAction.text(), "Undo delete");
    multi.Undo();
    EXPECT_EQ(document, 1);
    EXPECT_EQ(undoAction.text(), "Undo delete"); // the undone record's action
    EXPECT_TRUE(undoAction.isEnabled());
    multi.Undo();
    EXPECT_EQ(document, 0);
    EXPECT_EQ(undoAction.text(), "Can't undo");
    EXPECT_FALSE(undoAction.isEnabled());
    EXPECT_FALSE(multi.GetCanUndo());
    EXPECT_EQ(SetValue::alive, 2); // no redo records kept
    EXPECT_EQ(performed, QList<int>({1, 2, 1, 0}));
}

TEST_F(Undo, flushEmptiesTheStackButLeavesTheAction)
{
    SetValue a(&setAction, 1), b(&setAction, 2);
    TUndoMultiBuffer multi;
    multi.SetUndoAction(&undoAction);
    multi.Do(&a);
    multi.Do(&b);
    multi.Flush();
    EXPECT_FALSE(multi.GetCanUndo());
    EXPECT_EQ(undoAction.text(), "Undo typing");
    EXPECT_TRUE(undoAction.isEnabled());
    EXPECT_EQ(SetValue::alive, 2);
}

TEST_F(Undo, destroyingTheMultiBufferDeletesItsRecords)
{
    SetValue a(&setAction, 1);
    {
        TUndoMultiBuffer multi;
        multi.Do(&a);
        multi.Do(&a);
        EXPECT_EQ(SetValue::alive, 3);
    }
    EXPECT_EQ(SetValue::alive, 1);
}

TEST_F(Undo, aFailingOnDoLeavesTheSingleBufferAsItWas)
{
    SetValue typed(&setAction, 5);
    TUndoSingleBuffer single;
    single.Do(&typed);
    JActionData *held = single.Held();
    failNext = true;
    EXPECT_THROW(single.Undo(), std::runtime_error);
    EXPECT_EQ(single.Held(), held);
    EXPECT_THROW(single.Do(&typed), std::runtime_error);
    EXPECT_EQ(single.Held(), held);
    storeThenFail = true; // the record stored before the throw must not leak
    EXPECT_THROW(single.Do(&typed), std::runtime_error);
    EXPECT_EQ(single.Held(), held);
    EXPECT_EQ(document, 5);
}

TEST_F(Undo, aFailingOnDoInTheMultiBufferDropsTheTopRecord)
{
    SetValue a(&setAction, 1), b(&setAction, 2);
    TUndoMultiBuffer multi;
    multi.SetUndoAction(&undoAction);
    multi.Do(&a);
    multi.Do(&b);
    failNext = true;
    EXPECT_THROW(multi.Undo(), std::runtime_error);
    EXPECT_EQ(multi.Stack().Size(), 1u);
    EXPECT_EQ(SetValue::alive, 3); // the dropped record was deleted
    failNext = false;
    multi.Undo();
    EXPECT_EQ(document, 0);
}

TEST_F(Undo, anOnDoThatGivesNoRecordLeavesNothingToUndo)
{
    SetValue a(&setAction, 1);
    giveNothing = true;
    TUndoSingleBuffer single;
    EXPECT_EQ(single.Do(&a), nullptr);
    EXPECT_FALSE(single.GetCanUndo());
    TUndoMultiBuffer multi;
    EXPECT_EQ(multi.Do(&a), nullptr);
    EXPECT_FALSE(multi.GetCanUndo());
    multi.Undo(); // nothing on the stack, nothing to crash on
}

// A step whose OnDo gives no reversing record leaves nothing to undo; the undo
// action must not stay enabled with an undo that does nothing.
TEST_F(Undo, theUndoActionFollowsABufferLeftWithNothingToUndo)
{
    SetValue a(&setAction, 1);
    TUndoSingleBuffer single;
    single.SetUndoAction(&undoAction);
    single.Do(&a);
    ASSERT_TRUE(undoAction.isEnabled());
    giveNothing = true;
    single.Undo();
    EXPECT_FALSE(single.GetCanUndo());
    EXPECT_EQ(undoAction.text(), "Can't undo");
    EXPECT_FALSE(undoAction.isEnabled());

    giveNothing = false;
    TUndoMultiBuffer multi;
    multi.SetUndoAction(&undoAction);
    multi.Do(&a);
    EXPECT_EQ(undoAction.text(), "Undo typing");
    EXPECT_TRUE(undoAction.isEnabled());
    giveNothing = true;
    multi.Do(&a); // adds nothing, but the earlier record is still there
    EXPECT_TRUE(undoAction.isEnabled());
    multi.Undo();
    multi.Do(&a);
    EXPECT_EQ(undoAction.text(), "Can't undo");
    EXPECT_FALSE(undoAction.isEnabled());

    giveNothing = false;
    multi.Do(&a);
    failNext = true; // a failed undo takes the last record off as well
    EXPECT_THROW(multi.Undo(), std::runtime_error);
    EXPECT_EQ(undoAction.text(), "Can't undo");
    EXPECT_FALSE(undoAction.isEnabled());
}

TEST_F(Undo, aRecordWithoutAnActionIsRefused)
{
    JAction silent; // no OnDo
    SetValue orphan(nullptr, 1), mute(&silent, 2);
    TUndoMultiBuffer multi;
    for (JActionData *record : {static_cast<JActionData *>(&orphan),
                                static_cast<JActionData *>(&mute), (JActionData *)nullptr})
        EXPECT_THROW(multi.Do(record), corvanel::Exception);
    EXPECT_FALSE(multi.GetCanUndo());
}

namespace {

// A record that knows whether it still exists, without touching freed memory.
struct Tracked : SetValue
{
    QSet<const JActionData *> &living;
    Tracked(JAction *action, QSet<const JActionData *> &set) : SetValue(action, 0), living(set)
    {
        living.insert(this);
    }
    ~Tracked() override { living.remove(this); }
};

} // namespace

// An OnDo that records a further operation while it performs: the record
// being performed must outlive the handler, whichever buffer called it.
TEST_F(Undo, anOnDoThatCallsDoKeepsTheRecordItPerformsAlive)
{
    QSet<const JActionData *> living;
    JAction nested;
    Tracked first(&nested, living);
    SetValue seed(&setAction, 1);
    TUndoSingleBuffer single;
    TUndoMultiBuffer multi;
    std::function<void()> reenter;
    int performedAlive = 0;
    nested.SetOnDo([&](JActionData *data, pJActionData made) {
        if (reenter)
            reenter();
        if (living.contains(data))
            ++performedAlive;
        *made = new Tracked(&nested, living);
    });

    single.Do(&first);
    reenter = [&] { single.Do(&seed); };
    single.Undo();
    EXPECT_EQ(performedAlive, 2);
    EXPECT_EQ(document, 1);
    ASSERT_NE(single.Held(), nullptr);
    EXPECT_EQ(single.Held()->Action, &nested); // the undo's own reverse is held

    reenter = nullptr;
    multi.Do(&first);
    reenter = [&] { multi.Do(&seed); };
    multi.Undo();
    EXPECT_EQ(performedAlive, 4);
    EXPECT_EQ(multi.Stack().Size(), 1u); // the operation recorded from inside
}

// Any mix of operations ends with every record deleted exactly once (run it
// under ASan to see a double delete).
TEST_F(Undo, noSequenceLeaksOrDeletesTwice)
{
    QRandomGenerator random(12345);
    SetValue seed(&setAction, 7);
    for (int round = 0; round < 50; ++round) {
        TUndoSingleBuffer single;
        TUndoMultiBuffer multi;
        for (int step = 0; step < 40; ++step) {
            failNext = random.bounded(10) == 0;
            giveNothing = random.bounded(10) == 0;
            try {
                switch (random.bounded(5)) {
                case 0:
                    single.Do(&seed);
                    break;
                case 1:
                    single.Undo();
                    break;
                case 2:
                    multi.Do(&seed);
                    break;
                case 3:
                    multi.Undo();
                    break;
                default:
                    multi.Flush();
                }
            } catch (const std::runtime_error &) {
            }
        }
        failNext = giveNothing = false;
    }
    EXPECT_EQ(SetValue::alive, 1);
}

} // namespace
