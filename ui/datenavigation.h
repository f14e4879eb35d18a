// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Moving the main window's selected date: which key makes which move, and how a typed year is
// read. TSelvane's commands that move the date (FormKeyDown, MonthPicked, AcceptYear,
// SelectDate, ...) are defined in datenavigation.cpp with these.

#include "engine/datemoves.h"

#include <QString>
#include <Qt>

#include <optional>

namespace selvane {

// A move of the selected date: MoveByDays or MoveByMonths, `Steps` of them.
struct DateStep {
    CalendarDate (*Move)(const CalendarDate&, int) noexcept;
    int Steps;
};

// The move a key makes: Left and Right a day, Up and Down a week, Page Up and Page Down a month
// (with Ctrl a year); none for any other key.
std::optional<DateStep> DateStepOfKey(int key, Qt::KeyboardModifiers modifiers);

// A typed year, or the message that refuses it: a text that is not a decimal integer, or a
// year outside 1 to 9999.
struct TypedYear {
    int Year = 0;    // when accepted
    QString Refusal; // empty when accepted
};
TypedYear ReadTypedYear(const QString& typed);

} // namespace selvane
