// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What screen readers are told of the windows drawn from pictures: the time list is its
// commands and a table of the month's days (a row a day, a column a time, headed by its
// column's titles); the links window is its two headings and seven links, each a button; the
// month picker is twelve buttons, one a month; the settings windows are their controls, each
// named. Each window lists its children in reading order (widgets/accessibility.h).

namespace selvane {

class TRiseSetTimeList;

// Installs the windows' interfaces (and the window kit's); later calls do nothing.
void InstallWindowsAccessibility();

// The time list drew other rows: a listening screen reader forgets the cells it knew.
void NotifyTimeListRedrawn(TRiseSetTimeList& list);

} // namespace selvane
