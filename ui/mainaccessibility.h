// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What screen readers are told of the main window, in reading order: the title strip's
// commands; the status strip's time, date, phase and sidereal time; the Moon picture
// ("Moon, Waxing Gibbous, 93 % lit"); the Moon panel, the phases, the rise and set times, the
// Sun's place, the twilights and the Moon's place, each value read after its caption
// ("Moonrise 21:52", "Moon altitude 12°34'"); then the calendar: the month and year commands
// and a table of the month's days, each named with its date and its phase.
//
// Every value is read from what the latest tick painted or wrote, never computed here (only the
// calendar's phase of each day, from the engine, once per month shown). What a reader hears:
//  - a name tells its value to the minute (of time or of arc): the clock and the sidereal time
//    of the status strip read "Time 21:34", the angles "Moon altitude 12°34'"; the value
//    (and the read-only text) of each object holds what the window shows, to the second, read
//    afresh whenever a reader asks;
//  - at a tick, a name-change event goes out for each object whose name the tick changed, and
//    for no other: the clocks send one a minute, not one a second, and a reader that keeps the
//    names it was told has them right;
//  - the selected day is the calendar's selected and (with the window's focus) focused cell;
//    moving it moves the reader's focus there; another month shown renames the table and makes
//    its cells anew (a reader asks for them again).

namespace selvane {

class TSelvane;

// Installs the main window's interface, with the other windows' and the window kit's; later
// calls do nothing.
void InstallMainAccessibility();

// Gives the main window's value labels the captions they are read with.
void CaptionMainLabels(TSelvane& window);

// After a tick: the name-change events for the objects whose names it changed.
void NotifyTicked(TSelvane& window);

// The calendar marked a day: a new selection is told, and the reader's focus follows it while
// the window has the keyboard; another month shown is told as a new table.
void NotifyDaySelected(TSelvane& window);

// Moves the reader's focus to where the window's keys act: the year entry while it is open,
// else the selected day; nothing unless the window has the keyboard.
void MoveReaderFocus(TSelvane& window);

} // namespace selvane
