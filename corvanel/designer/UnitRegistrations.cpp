// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#include "UnitRegistrations.h"

#include "PaletteItem.h"
#include <corvanel/AnimatedLabel.h>
#include <corvanel/Debug.h>
#include <corvanel/FancyButton.h>
#include <corvanel/JMRU.h>
#include <corvanel/MRUCombo.h>
#include <corvanel/NumberEdit.h>
#include <corvanel/URLStatic.h>
#include <corvanel/UnitEdit.h>
#include <corvanel/Version.h>
#include <corvanel/undo.h>

namespace corvanel {

namespace Jstore {

void Register()
{
    // TJStorage has no entry of its own.
}

} // namespace Jstore

namespace JMRU {

void Register()
{
    addToPalette<TJMostRecentlyUsedList>(
        {.page = "Corvanel",
         .className = "corvanel::TJMostRecentlyUsedList",
         .includeFile = "corvanel/JMRU.h",
         .toolTip = "Most-recently-used list",
         .whatsThis =
             "Keeps recently used names in the registry and shows them as numbered menu items."});
}

} // namespace JMRU

namespace MRUCombo {

void Register()
{
    addToPalette<TMRUCombo>(
        {.page = "Corvanel",
         .className = "corvanel::TMRUCombo",
         .includeFile = "corvanel/MRUCombo.h",
         .toolTip = "Combo box that remembers its entries",
         .whatsThis = "An editable combo box whose list is kept in the registry."});
}

} // namespace MRUCombo

namespace undo {

void Register()
{
    addToPalette<JAction>({.page = "Corvanel",
                           .className = "corvanel::JAction",
                           .includeFile = "corvanel/undo.h",
                           .toolTip = "Undoable action"});
    addToPalette<TUndoSingleBuffer>({.page = "Corvanel",
                                     .className = "corvanel::TUndoSingleBuffer",
                                     .includeFile = "corvanel/undo.h",
                                     .toolTip = "Undo buffer for one step (undo and redo)"});
    addToPalette<TUndoMultiBuffer>({.page = "Corvanel",
                                    .className = "corvanel::TUndoMultiBuffer",
                                    .includeFile = "corvanel/undo.h",
                                    .toolTip = "Undo buffer for many steps"});
}

} // namespace undo

namespace Debug {

void Register()
{
    addToPalette<TDebugHelper>(
        {.page = "Corvanel",
         .className = "corvanel::TDebugHelper",
         .includeFile = "corvanel/Debug.h",
         .toolTip = "Debug log",
         .whatsThis = "Writes time-stamped messages to the program's log while tracing is on."});
}

} // namespace Debug

namespace FancyButton {

void Register()
{
    addToPalette<TFancyButton>(
        {.page = "Corvanel 2",
         .className = "corvanel::TFancyButton",
         .includeFile = "corvanel/FancyButton.h",
         .toolTip = "Glyph button with hot tracking and groups",
         .whatsThis = "A push button drawn from a bitmap of up to five looks, with an optional "
                      "caption, hot tracking, button groups and a dialog result."});
}

} // namespace FancyButton

namespace AnimatedLabel {

void Register()
{
    addToPalette<TAnimatedLabel>({.page = "Corvanel 2",
                                  .className = "corvanel::TAnimatedLabel",
                                  .includeFile = "corvanel/AnimatedLabel.h",
                                  .toolTip = "Animated label",
                                  .whatsThis =
                                      "A label whose caption flashes, flies across or fades in "
                                      "and out, driven by its own timer."});
}

} // namespace AnimatedLabel

namespace NumberEdit {

void Register()
{
    addToPalette<TNumberEdit>({.page = "Corvanel 2",
                               .className = "corvanel::TNumberEdit",
                               .includeFile = "corvanel/NumberEdit.h",
                               .toolTip = "Number edit",
                               .whatsThis = "A right-aligned edit for a floating-point number."});
}

} // namespace NumberEdit

namespace UnitEdit {

void Register()
{
    addToPalette<TUnitEdit>({.page = "Corvanel 2",
                             .className = "corvanel::TUnitEdit",
                             .includeFile = "corvanel/UnitEdit.h",
                             .toolTip = "Unit edit",
                             .whatsThis = "A number edit with a unit caption on its right."});
}

} // namespace UnitEdit

namespace Version {

void Register()
{
    addToPalette<TVersionLabel>({.page = "Corvanel 2",
                                 .className = "corvanel::TVersionLabel",
                                 .includeFile = "corvanel/Version.h",
                                 .toolTip = "Version label",
                                 .whatsThis = "Shows \"Version \" and the program's file version.",
                                 .designCaption = "Version"});
}

} // namespace Version

namespace URLStatic {

void Register()
{
    addToPalette<TURLStatic>(
        {.page = "Corvanel 2",
         .className = "corvanel::TURLStatic",
         .includeFile = "corvanel/URLStatic.h",
         .toolTip = "Hyperlink label",
         .whatsThis = "A label that opens its URL in the browser when pressed.",
         .designCaption = "URLStatic"});
}

} // namespace URLStatic

void registerAllUnits()
{
    Jstore::Register();
    JMRU::Register();
    MRUCombo::Register();
    undo::Register();
    Debug::Register();
    FancyButton::Register();
    AnimatedLabel::Register();
    NumberEdit::Register();
    UnitEdit::Register();
    Version::Register();
    URLStatic::Register();
}

} // namespace corvanel
