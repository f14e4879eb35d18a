// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A wall clock the test sets by hand.

#include "core/wallclock.h"

#include <QTimeZone>

namespace selvane {

class FixedClock final : public WallClock {
public:
    // A computer whose local clock reads `local` (its zone is then of no account: with a fixed
    // offset only the reading counts).
    explicit FixedClock(ClockTime local)
        : m_now(QDate(local.Year, local.Month, local.Day),
                QTime(local.Hour, local.Minute, local.Second), QTimeZone::utc()) {}
    // A computer at this instant, its own clock in `computerZone`.
    FixedClock(const QDateTime& instant, const QTimeZone& computerZone)
        : m_now(instant.toTimeZone(computerZone)) {}

    QDateTime now() const override { return m_now; }
    void advance(int seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

} // namespace selvane
