// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// Change signals fire once per real change and never for a value the
// property already has, whichever way the change comes.
#include <corvanel/AnimatedLabel.h>
#include <corvanel/Debug.h>
#include <corvanel/FancyButton.h>
#include <corvanel/JMRU.h>
#include <corvanel/Jstore.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/URLStatic.h>
#include <corvanel/UnitEdit.h>
#include <corvanel/Version.h>
#include <corvanel/undo.h>

#include <QAction>
#include <QImage>
#include <QLocale>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace corvanel;

namespace {

// Sets the same value twice: the first set is a change, the second is not.
template <typename Setter, typename Value>
int emissionsForTwoSets(QSignalSpy &spy, Setter set, const Value &value)
{
    spy.clear();
    set(value);
    set(value);
    return int(spy.count());
}

TEST(NotifySignal, fancyButtonPropertiesNotifyOnlyRealChanges)
{
    QWidget form;
    TFancyButton button(&form);
    QSignalSpy caption(&button, &TFancyButton::CaptionChanged);
    QSignalSpy offset(&button, &TFancyButton::TextOffsetLeftChanged);
    QSignalSpy modal(&button, &TFancyButton::ModalResultChanged);
    EXPECT_EQ(emissionsForTwoSets(
                  caption, [&](auto v) { button.SetCaption(v); }, QString("&Go")),
              1);
    EXPECT_EQ(emissionsForTwoSets(
                  offset, [&](int v) { button.SetTextOffsetLeft(v); }, 3),
              1);
    // An out-of-range result reads as none, which it already is.
    button.SetModalResult(42);
    EXPECT_EQ(modal.count(), 0);
    EXPECT_EQ(emissionsForTwoSets(
                  modal, [&](int v) { button.SetModalResult(v); }, 2),
              1);
}

TEST(NotifySignal, fancyButtonGlyphNotifiesForNewPixelsAndCellCountOnly)
{
    TFancyButton button;
    QSignalSpy glyph(&button, &TFancyButton::GlyphChanged);
    QSignalSpy cells(&button, &TFancyButton::NumGlyphsChanged);
    QImage strip(40, 10, QImage::Format_RGB32);
    strip.fill(Qt::red);
    button.SetGlyph(QPixmap::fromImage(strip));
    // A separate copy with the same pixels is no change.
    button.SetGlyph(QPixmap::fromImage(strip.copy()));
    EXPECT_EQ(glyph.count(), 1);
    // The square cells of the strip set the count by themselves.
    ASSERT_EQ(cells.count(), 1);
    EXPECT_EQ(cells.first().first().toInt(), 4);
    button.SetNumGlyphs(4);
    EXPECT_EQ(cells.count(), 1);
}

TEST(NotifySignal, fancyButtonGroupReleaseNotifiesTheReleasedButton)
{
    QWidget form;
    TFancyButton first(&form);
    TFancyButton second(&form);
    first.SetGroupIndex(1);
    second.SetGroupIndex(1);
    first.SetDown(true);
    QSignalSpy firstDown(&first, &TFancyButton::DownChanged);
    QSignalSpy firstState(&first, &TFancyButton::StateChanged);
    second.SetDown(true);
    ASSERT_EQ(firstDown.count(), 1);
    EXPECT_FALSE(firstDown.first().first().toBool());
    EXPECT_EQ(firstState.count(), 1);
    EXPECT_EQ(first.State(), fbsUp);
}

TEST(NotifySignal, fancyButtonClickReachesHandlerAndSignal)
{
    TFancyButton button;
    int handled = 0;
    button.SetOnClick([&](QObject *sender) {
        EXPECT_EQ(sender, &button);
        ++handled;
    });
    QSignalSpy clicked(&button, &TFancyButton::clicked);
    button.Click();
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(bool(button.OnClick()));
}

TEST(NotifySignal, animatedLabelColorFollowsParentColorSwitch)
{
    TAnimatedLabel label;
    QSignalSpy color(&label, &TAnimatedLabel::ColorChanged);
    QSignalSpy parentColor(&label, &TAnimatedLabel::ParentColorChanged);
    QSignalSpy interval(&label, &TAnimatedLabel::IntervalChanged);
    // Without a parent the inherited colour is the button face: keeping it
    // changes the flag, not the colour.
    label.SetColor(clBtnFace);
    EXPECT_EQ(color.count(), 0);
    EXPECT_EQ(parentColor.count(), 1);
    label.SetColor(clBlue);
    label.SetColor(clBlue);
    EXPECT_EQ(color.count(), 1);
    EXPECT_EQ(parentColor.count(), 1);
    // Negative intervals mean 0: the second one is no change.
    label.SetInterval(-1);
    label.SetInterval(-5);
    EXPECT_EQ(interval.count(), 1);
}

TEST(NotifySignal, numberEditValueFollowsTypedAndSetText)
{
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
    TNumberEdit edit;
    QSignalSpy value(&edit, &TNumberEdit::ValueChanged);
    edit.SetValue(2.5f);
    edit.SetValue(2.5f);
    EXPECT_EQ(value.count(), 1);
    // Another text for the same number is no change of Value.
    edit.setText(QStringLiteral("2.50"));
    EXPECT_EQ(value.count(), 1);
    QTest::keyClicks(&edit, QStringLiteral("1"));
    ASSERT_EQ(value.count(), 2);
    EXPECT_FLOAT_EQ(value.last().first().toFloat(), 2.501f);
}

TEST(NotifySignal, unitEditValueNotifiesBeforeAndAfterItsPartsExist)
{
    TUnitEdit unit;
    QSignalSpy value(&unit, &TUnitEdit::ValueChanged);
    unit.SetValue(7.0f);
    unit.SetValue(7.0f);
    EXPECT_EQ(value.count(), 1);
    unit.CreateParts(); // hands the value over: still 7
    EXPECT_EQ(value.count(), 1);
    unit.NumberPart()->setText(QStringLiteral("8"));
    EXPECT_EQ(value.count(), 2);
}

TEST(NotifySignal, labelsNotifyTheirOwnProperties)
{
    TVersionLabel version;
    TURLStatic link;
    QSignalSpy file(&version, &TVersionLabel::FileNameChanged);
    QSignalSpy url(&link, &TURLStatic::URLChanged);
    QSignalSpy accel(&link, &TURLStatic::ShowAccelCharChanged);
    EXPECT_EQ(emissionsForTwoSets(
                  file, [&](auto v) { version.SetFileName(v); }, QString("x")),
              1);
    EXPECT_EQ(emissionsForTwoSets(
                  url, [&](auto v) { link.SetURL(v); }, QString("a.org")),
              1);
    EXPECT_EQ(emissionsForTwoSets(
                  accel, [&](bool v) { link.SetShowAccelChar(v); }, false),
              1);
}

TEST(NotifySignal, holdersNotifyStorageChangesMadeThroughTheStorage)
{
    TMRUCombo combo;
    TDebugHelper helper;
    TJMostRecentlyUsedList list;
    QSignalSpy comboKey(&combo, &TMRUCombo::StorageKeyChanged);
    QSignalSpy helperRoot(&helper, &TDebugHelper::StorageRootKeyChanged);
    QSignalSpy listKey(&list, &TJMostRecentlyUsedList::StorageKeyChanged);
    combo.Storage()->SetKey(QStringLiteral("Software\\A"));
    combo.SetStorageKey(QStringLiteral("Software\\A"));
    EXPECT_EQ(comboKey.count(), 1);
    EXPECT_EQ(
        emissionsForTwoSets(
            helperRoot, [&](auto v) { helper.SetStorageRootKey(v); }, TJStorage::atrkLocalMachine),
        1);
    list.SetStorageKey(QStringLiteral("Software\\B"));
    EXPECT_EQ(listKey.count(), 1);
}

TEST(NotifySignal, mruListNotifiesOptionsAndRaisesChanged)
{
    TJMostRecentlyUsedList list;
    list.SetAutoSave(false);
    QSignalSpy maxItems(&list, &TJMostRecentlyUsedList::MaxItemsChanged);
    QSignalSpy sortBy(&list, &TJMostRecentlyUsedList::SortByChanged);
    QSignalSpy changed(&list, &TJMostRecentlyUsedList::changed);
    EXPECT_EQ(emissionsForTwoSets(
                  maxItems, [&](uint v) { list.SetMaxItems(v); }, 4u),
              1);
    EXPECT_EQ(emissionsForTwoSets(
                  sortBy, [&](auto v) { list.SetSortBy(v); }, TJMostRecentlyUsedList::skName),
              1);
    int handled = 0;
    list.SetOnChange([&](QObject *) { ++handled; });
    changed.clear();
    list.Add(QStringLiteral("one"));
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(changed.count(), 1);
}

TEST(NotifySignal, undoComponentsNotify)
{
    JAction action;
    TUndoSingleBuffer single;
    TUndoMultiBuffer multi;
    QAction undo;
    QSignalSpy caption(&action, &JAction::CaptionChanged);
    QSignalSpy singleAction(&single, &TUndoSingleBuffer::UndoActionChanged);
    QSignalSpy multiAction(&multi, &TUndoMultiBuffer::UndoActionChanged);
    EXPECT_EQ(emissionsForTwoSets(
                  caption, [&](auto v) { action.SetCaption(v); }, QString("Move")),
              1);
    EXPECT_EQ(emissionsForTwoSets(
                  singleAction, [&](auto v) { single.SetUndoAction(v); }, &undo),
              1);
    EXPECT_EQ(emissionsForTwoSets(
                  multiAction, [&](auto v) { multi.SetUndoAction(v); }, &undo),
              1);
}

} // namespace
