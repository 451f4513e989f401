// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
#pragma once

// Every unit of the library puts its classes on the palette through a
// Register() of its own: page "Corvanel" for the non-visual components,
// "Corvanel 2" for the visual controls. They belong to the Designer plugin,
// which runs them; the running program never does. Each one adds its
// classes through addToPalette() (PaletteItem.h) and may run more than once.
namespace corvanel {

namespace Jstore {
// Adds nothing: TJStorage is edited as part of its holder.
void Register();
} // namespace Jstore
namespace JMRU {
void Register();
} // namespace JMRU
namespace MRUCombo {
void Register();
} // namespace MRUCombo
namespace undo {
// JAction, TUndoSingleBuffer and TUndoMultiBuffer.
void Register();
} // namespace undo
namespace Debug {
void Register();
} // namespace Debug
namespace FancyButton {
void Register();
} // namespace FancyButton
namespace AnimatedLabel {
void Register();
} // namespace AnimatedLabel
namespace NumberEdit {
void Register();
} // namespace NumberEdit
namespace UnitEdit {
void Register();
} // namespace UnitEdit
namespace Version {
void Register();
} // namespace Version
namespace URLStatic {
void Register();
} // namespace URLStatic

// Runs the Register() of every unit, in the order they build on each other.
// A new unit adds its Register() here and nowhere else.
void registerAllUnits();

} // namespace corvanel
