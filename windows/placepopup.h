// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The list of places beneath a text field: from two letters on, the places of the built-in
// list whose name matches what was typed, the best first, or one greyed row "No place found".
//
// The keys follow the usual completer, and Enter always takes a place while one is listed.
// The list opens with no row highlighted, the best one standing for Enter; the first Down
// highlights that row, and each further Down the next, stopping at the last. Up highlights
// the row above; from the first it goes back to the text (nothing highlighted, the best row
// standing for Enter again). Enter or a click takes the highlighted place, or the best with
// none highlighted; on "No place found" it takes nothing. Escape closes the list and typing
// on searches again; the field keeps what was typed either way.

#include "core/places.h"

#include <QObject>

#include <vector>

class QAbstractItemView;
class QCompleter;
class QFont;
class QLineEdit;
class QStandardItemModel;

namespace selvane {

class PlacePopup : public QObject {
    Q_OBJECT

public:
    // The list (a completer named "placeList") shows beneath `field` in `font`: it is a window
    // of its own, which inherits no font.
    PlacePopup(QLineEdit* field, const QFont& font, QObject* parent);

    // Offers the places that match `typed`; a text of two characters or more that matches none
    // shows "No place found", a shorter one closes the list.
    void Offer(const QString& typed);
    // Whether the text last offered is the whole of a listed place's name or of one of its
    // other names ("london", "cologne"), rather than a part of one, a misspelling or no name.
    bool namesPlace() const;

    // The list as it is shown.
    QAbstractItemView* list() const;

signals:
    // The place taken by Enter or a click.
    void taken(const Place& place);
    // The list opened or closed.
    void listShown(bool shown);

protected:
    // The arrow keys and Enter in the open list (see above), the completer handling the rest;
    // the list's opening and closing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Highlights a row of the list; -1 for none, the best row standing for Enter.
    void Highlight(int row);
    // Closes the list and takes the place of a row, if it is one.
    void Take(int row);

    QLineEdit* m_field;
    PlaceList m_places;           // read at the first search
    std::vector<Place> m_offered; // the places in the list, best first
    bool m_namesPlace = false;    // see namesPlace
    QStandardItemModel* m_labels; // their labels, row for row, or the row "No place found"
    QCompleter* m_completer;      // shows m_labels beneath the field
};

} // namespace selvane
