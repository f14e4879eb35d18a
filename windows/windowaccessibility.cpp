// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/windowaccessibility.h"

#include "widgets/accessibility.h"
#include "windows/tlunarsites.h"
#include "windows/tmonthselect.h"
#include "windows/trisesettimelist.h"

#include <QCoreApplication>
#include <QLabel>

namespace selvane {

namespace {

// The month's days as the list draws them: a row a day, a column a time.
class TimeTableAccessible : public PaintedTable {
public:
    TimeTableAccessible(TRiseSetTimeList* list, QAccessibleInterface* parent)
        : PaintedTable(list, parent, TableParts())
        , m_list(list) {}
    static Parts TableParts() {
        Parts parts;
        parts.Role = QAccessible::Table;
        parts.Name = [] {
            return TRiseSetTimeList::tr("Days of the month");
        };
        parts.Place = [] {
            return TRiseSetTimeList::listArea();
        };
        return parts;
    }

    int rowCount() const override { return m_list->listedDays(); }
    int columnCount() const override { return TRiseSetTimeList::kListColumns; }
    QString rowDescription(int row) const override { return m_list->cellText(row + 1, 0); }
    QString cellName(int row, int column) const override {
        return m_list->cellText(row + 1, column);
    }
    QRect cellPlace(int row, int column) const override {
        return m_list->cellPlace(row + 1, column);
    }
    // A cell scrolled out of the list's visible part is off screen.
    bool cellShown(int row, int column) const override {
        return m_list->isVisible() &&
               TRiseSetTimeList::listArea().intersects(m_list->cellPlace(row + 1, column));
    }
    QString headerName(int column) const override { return m_list->columnHeading(column); }
    QRect headerPlace(int column) const override { return m_list->headingPlace(column); }

private:
    TRiseSetTimeList* m_list;
};

class TimeListAccessible : public ListedWindowAccessible {
public:
    explicit TimeListAccessible(TRiseSetTimeList* list)
        : ListedWindowAccessible(list) {
        for (const char* name : {"lblPrint", "lblScrollUp", "lblScrollDown", "lblTitle", "lblZone",
                                 "lblMinimise", "lblExit"})
            addWidget(name);
        m_table = addOwned(new TimeTableAccessible(list, this));
    }
    TimeTableAccessible* table() const { return m_table; }

private:
    TimeTableAccessible* m_table;
};

// The links window: its rows, each over its picture.
class LinksAccessible : public ListedWindowAccessible {
public:
    explicit LinksAccessible(TLunarSites* links)
        : ListedWindowAccessible(links) {
        for (std::size_t i = 0; i < TLunarSites::kRows.size(); ++i) {
            const TLunarSites::Row& row = TLunarSites::kRows[i];
            const int index = static_cast<int>(i);
            const bool link = *row.Address != '\0';
            PaintedItem::Parts parts;
            parts.Role = link ? QAccessible::Button : QAccessible::Heading;
            parts.Name = [text = row.Text] {
                return QCoreApplication::translate("selvane::TLunarSites", text);
            };
            parts.Place = [links, index] {
                return links->Rows[static_cast<std::size_t>(index)]->geometry();
            };
            if (link) {
                parts.Press = [links, index] {
                    links->RowClick(index);
                };
                parts.Description = QString::fromLatin1(row.Address);
            }
            addItem(std::move(parts));
        }
    }
};

// The month picker: a button a month over its picture.
class MonthPickerAccessible : public ListedWindowAccessible {
public:
    explicit MonthPickerAccessible(TMonthSelect* picker)
        : ListedWindowAccessible(picker, QAccessible::Dialog) {
        for (int month = 1; month <= 12; ++month) {
            PaintedItem::Parts parts;
            parts.Role = QAccessible::Button;
            parts.Name = [picker, month] {
                return picker->monthName(month);
            };
            parts.Place = [picker, month] {
                return QRect(picker->imgMonths->x(),
                             picker->imgMonths->y() + (month - 1) * TMonthSelect::kRowHeight,
                             picker->imgMonths->width(), TMonthSelect::kRowHeight);
            };
            parts.Press = [picker, month] {
                picker->PickMonth(month);
            };
            addItem(std::move(parts));
        }
    }
};

// A settings window: its controls from the top down, without the captions drawn beside them
// (each control carries its own name) and the unit marks.
class SettingsWindowAccessible : public ListedWindowAccessible {
public:
    SettingsWindowAccessible(QWidget* window, std::initializer_list<const char*> controls)
        : ListedWindowAccessible(window, QAccessible::Dialog) {
        for (const char* name : controls)
            addWidget(name);
    }
};

QAccessibleInterface* WindowsFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("selvane::TfConfig"))
        return new SettingsWindowAccessible(
            static_cast<QWidget*>(object),
            {"lblTitle", "lblExit", "txtLatDeg", "txtLatMin", "txtLatSec", "pnlNS", "spinNS",
             "txtLongDeg", "txtLongMin", "txtLongSec", "pnlEW", "spinEW", "txtLocation",
             "cmbDayOrder", "cmbDateFormat", "cmbZone", "cmbTimeZone", "chkDaylightSavings"});
    if (className == QLatin1String("selvane::TPrintOptions"))
        return new SettingsWindowAccessible(static_cast<QWidget*>(object),
                                            {"lblTitle", "chkDailyPhases", "chkMajorPhases",
                                             "chkLunarTimes", "chkSolarTimes", "pnlPhaseDensity",
                                             "SpinButton1", "lblOK"});
    if (className == QLatin1String("selvane::TRiseSetTimeList"))
        return new TimeListAccessible(static_cast<TRiseSetTimeList*>(object));
    if (className == QLatin1String("selvane::TLunarSites"))
        return new LinksAccessible(static_cast<TLunarSites*>(object));
    if (className == QLatin1String("selvane::TMonthSelect"))
        return new MonthPickerAccessible(static_cast<TMonthSelect*>(object));
    return nullptr;
}

} // namespace

void InstallWindowsAccessibility() {
    InstallKitAccessibility();
    static const bool installed = [] {
        QAccessible::installFactory(WindowsFactory);
        return true;
    }();
    (void)installed;
}

void NotifyTimeListRedrawn(TRiseSetTimeList& list) {
    if (!QAccessible::isActive())
        return;
    auto* window = dynamic_cast<TimeListAccessible*>(QAccessible::queryAccessibleInterface(&list));
    if (!window)
        return;
    // Qt passes the change to the table, which forgets its cells; the readers that take it
    // ask for the new ones.
    QAccessibleTableModelChangeEvent event(window->table(),
                                           QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

} // namespace selvane
