// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The list of places beneath a text field: from two letters on, the places of the built-in
// list whose name matches what was typed, the best first and already chosen. The arrow keys
// or the mouse choose another; Enter or a click takes it. Escape closes the list and typing on
// searches again; the field keeps what was typed either way.

#include "core/places.h"

#include <QObject>

#include <vector>

class QAbstractItemView;
class QCompleter;
class QFont;
class QLineEdit;
class QStringListModel;

namespace selvane {

class PlacePopup : public QObject {
    Q_OBJECT

public:
    // The list (a completer named "placeList") shows beneath `field` in `font`: it is a window
    // of its own, which inherits no font.
    PlacePopup(QLineEdit* field, const QFont& font, QObject* parent);

    // Offers the places that match `typed`; with none the list closes.
    void Offer(const QString& typed);

    // The list as it is shown.
    QAbstractItemView* list() const;

signals:
    // The place taken by Enter or a click.
    void taken(const Place& place);

private:
    QLineEdit* m_field;
    PlaceList m_places;           // read at the first search
    std::vector<Place> m_offered; // the places in the list, best first
    QStringListModel* m_labels;   // their labels, row for row
    QCompleter* m_completer;      // shows m_labels beneath the field
};

} // namespace selvane
