// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's moves through time: the keys, the month picker's choice and the typed
// year. Each changes only the selected date and shows it at once.

#include "ui/datenavigation.h"

#include "engine/text.h"
#include "ui/mainaccessibility.h"
#include "ui/tselvane.h"
#include "ui/yearentry.h"
#include "windows/tmonthselect.h"

#include <utility>

namespace selvane {

std::optional<DateStep> DateStepOfKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    // Days, weeks, months and years.
    const std::pair<int, DateStep> steps[] = {
        {Qt::Key_Left, {MoveByDays, -1}},
        {Qt::Key_Right, {MoveByDays, 1}},
        {Qt::Key_Up, {MoveByDays, -7}},
        {Qt::Key_Down, {MoveByDays, 7}},
        {Qt::Key_PageUp, {MoveByMonths, ctrl ? -12 : -1}},
        {Qt::Key_PageDown, {MoveByMonths, ctrl ? 12 : 1}},
    };
    for (const auto& [stepKey, step] : steps)
        if (key == stepKey)
            return step;
    return std::nullopt;
}

TypedYear ReadTypedYear(const QString& typed) {
    const auto year = ParseDecimal(typed.toStdString());
    if (!year)
        return {0, TSelvane::tr("'%1' is not a valid integer value").arg(typed)};
    if (*year < kFirstYear || *year > kLastYear)
        return {0, TSelvane::tr("Years 1 to 9999")};
    return {*year, {}};
}

void TSelvane::lblSelectedMonthClick() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    m_monthSelect->exec();
}

void TSelvane::MonthPicked(int month) {
    m_state.SelectedMonth = static_cast<std::uint16_t>(month);
    m_state.SelectedDay = static_cast<std::uint16_t>(
        DayInMonth(m_state.SelectedYear, month, m_state.SelectedDay).Day);
    m_state.DayOffset =
        DayOffsetTo({m_state.SelectedYear, m_state.SelectedMonth, m_state.SelectedDay}, ClockNow());
    Timer1Timer();
    RefreshTimeList();
}

void TSelvane::lblSelectedYearClick() {
    m_yearEntry->open();
    MoveReaderFocus(*this); // to the entry
}

void TSelvane::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    // The commands, whether or not the year entry is open (those that act on the date take
    // over a typed year first, as the mouse's do).
    const std::pair<int, void (TSelvane::*)()> commands[] = {
        {Qt::Key_L, &TSelvane::lblListClick},
        {Qt::Key_P, &TSelvane::lblPrintClick},
        {Qt::Key_Comma, &TSelvane::lblConfigClick},
        {Qt::Key_Q, &TSelvane::lblExitClick},
    };
    for (const auto& [commandKey, command] : commands)
        if (ctrl && key == commandKey)
            return (this->*command)();
    if (key == Qt::Key_F1)
        return lblHelpClick();

    // The year entry's digits, Backspace, Enter and Esc.
    if (m_yearEntry->isOpen()) {
        switch (m_yearEntry->keyDown(key, modifiers)) {
        case YearEntry::Key::Empty:
            return services.beep();
        case YearEntry::Key::Enter:
            AcceptYear();
            return;
        case YearEntry::Key::Escape:
            m_yearEntry->close(); // without taking the typed year
            return MoveReaderFocus(*this);
        case YearEntry::Key::Typed:
            return;
        case YearEntry::Key::Other:
            break;
        }
    }

    // Moving the selection: days, weeks, months, years, or back to today.
    if (const auto step = DateStepOfKey(key, modifiers))
        return MoveSelection(*step);
    if (key == Qt::Key_Home)
        SelectToday();
}

void TSelvane::MoveSelection(const DateStep& step) {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    SelectDate(
        step.Move({m_state.SelectedYear, m_state.SelectedMonth, m_state.SelectedDay}, step.Steps));
}

void TSelvane::SelectToday() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    m_state.DayOffset = 0.0;
    Timer1Timer(); // redraws the time list when today lies in another month
}

void TSelvane::SelectDate(int year, int month, int day) {
    SelectDate(CalendarDate{year, month, day});
}

void TSelvane::SelectDate(const CalendarDate& date) {
    const bool newMonth = date.Year != m_state.SelectedYear || date.Month != m_state.SelectedMonth;
    m_state.SelectedYear = static_cast<std::uint16_t>(date.Year);
    m_state.SelectedMonth = static_cast<std::uint16_t>(date.Month);
    m_state.SelectedDay = static_cast<std::uint16_t>(date.Day);
    m_state.DayOffset =
        DayOffsetTo({m_state.SelectedYear, m_state.SelectedMonth, m_state.SelectedDay}, ClockNow());
    Timer1Timer(); // shown at once, as after a month pick
    if (newMonth)
        RefreshTimeList();
}

bool TSelvane::AcceptYear() {
    const QString typed = m_yearEntry->text();
    const TypedYear year = ReadTypedYear(typed);
    if (!year.Refusal.isEmpty()) {
        services.showMessage(year.Refusal);
        return false;
    }
    const bool newYear = year.Year != m_state.SelectedYear;
    m_state.SelectedYear = static_cast<std::uint16_t>(year.Year);
    m_state.SelectedDay = static_cast<std::uint16_t>(
        DayInMonth(year.Year, m_state.SelectedMonth, m_state.SelectedDay).Day);
    m_state.DayOffset =
        DayOffsetTo({m_state.SelectedYear, m_state.SelectedMonth, m_state.SelectedDay}, ClockNow());

    m_yearEntry->close(typed); // the heading shows the year as typed until the next tick
    MoveReaderFocus(*this);
    if (newYear)
        RefreshTimeList();
    return true;
}

} // namespace selvane
