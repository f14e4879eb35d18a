// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/placepopup.h"

#include "widgets/widgetstyle.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

#include <algorithm>

namespace selvane {

namespace {

constexpr int kPlaceRows = static_cast<int>(kPlaceResults); // the list shows them all

} // namespace

PlacePopup::PlacePopup(QLineEdit* field, const QFont& font, QObject* parent)
    : QObject(parent)
    , m_field(field)
    , m_labels(new QStringListModel(this))
    , m_completer(new QCompleter(m_labels, this)) {
    // The completer only shows the list: it is not the field's own, so the field keeps what is
    // typed, and the list holds what the place search found rather than the completer's own
    // filtering of it.
    m_completer->setObjectName(QStringLiteral("placeList"));
    m_completer->setWidget(field);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(kPlaceRows);
    SetEntryColours(list());
    list()->setFont(font);
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& item) {
                const auto row = static_cast<std::size_t>(item.row());
                if (item.isValid() && row < m_offered.size())
                    emit taken(m_offered[row]);
            });
}

QAbstractItemView* PlacePopup::list() const {
    return m_completer->popup();
}

void PlacePopup::Offer(const QString& typed) {
    m_offered.clear();
    QStringList labels;
    for (PlaceMatch& found : m_places.Find(typed)) {
        labels << PlaceLabel(found); // "Köln (Cologne), ..." when another name matched
        m_offered.push_back(std::move(found.Found));
    }
    m_labels->setStringList(labels);
    QAbstractItemView* shown = list();
    if (m_offered.empty()) {
        shown->hide();
        return;
    }
    // Beneath the field, at least as wide as the field and as wide as the longest label.
    const int width =
        std::max(m_field->width(), shown->sizeHintForColumn(0) + 2 * shown->frameWidth());
    m_completer->complete(QRect(0, 0, width, m_field->height()));
    shown->setCurrentIndex(m_completer->completionModel()->index(0, 0)); // Enter takes the best
}

} // namespace selvane
