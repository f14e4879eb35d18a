// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/placepopup.h"

#include "widgets/widgetstyle.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>

#include <algorithm>

namespace selvane {

namespace {

constexpr int kPlaceRows = static_cast<int>(kPlaceResults); // the list shows them all

// Whether the place search looks for `typed` at all: it needs two characters once folded.
bool Searched(const QString& typed) {
    const QString folded = QString::fromStdString(FoldForSearch(typed));
    return static_cast<std::size_t>(folded.toUcs4().size()) >= kMinimumQuery;
}

} // namespace

PlacePopup::PlacePopup(QLineEdit* field, const QFont& font, QObject* parent)
    : QObject(parent)
    , m_field(field)
    , m_labels(new QStandardItemModel(this))
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
    // Installed after the completer's own filter (on creating the list), so it runs first.
    list()->installEventFilter(this);
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& item) {
                if (item.isValid())
                    Take(item.row());
            });
}

QAbstractItemView* PlacePopup::list() const {
    return m_completer->popup();
}

bool PlacePopup::namesPlace() const {
    return m_namesPlace;
}

void PlacePopup::Offer(const QString& typed) {
    m_offered.clear();
    m_labels->clear();
    std::vector<PlaceMatch> found = m_places.Find(typed);
    // Any of them, not only the first: a part of a city matched whole ranks after every town.
    m_namesPlace = std::any_of(found.begin(), found.end(), [](const PlaceMatch& match) {
        return match.Match == NameMatch::Whole;
    });
    for (PlaceMatch& match : found) {
        m_labels->appendRow(new QStandardItem(PlaceLabel(match))); // "Köln (Cologne), ..."
        m_offered.push_back(std::move(match.Found));
    }
    QAbstractItemView* shown = list();
    if (m_offered.empty()) {
        if (!Searched(typed)) {
            shown->hide();
            return;
        }
        auto* none = new QStandardItem(tr("No place found"));
        none->setFlags(Qt::NoItemFlags); // greyed; it is never highlighted nor taken
        m_labels->appendRow(none);
    }
    // Beneath the field, at least as wide as the field and as wide as the longest label.
    const int width =
        std::max(m_field->width(), shown->sizeHintForColumn(0) + 2 * shown->frameWidth());
    m_completer->complete(QRect(0, 0, width, m_field->height()));
    if (m_offered.empty())
        shown->selectionModel()->clear();
    else
        Highlight(-1);
}

void PlacePopup::Highlight(int row) {
    QAbstractItemView* shown = list();
    const QModelIndex item = m_completer->completionModel()->index(std::max(row, 0), 0);
    shown->selectionModel()->setCurrentIndex(item, row < 0 ? QItemSelectionModel::Clear
                                                           : QItemSelectionModel::ClearAndSelect);
    shown->scrollTo(item);
}

void PlacePopup::Take(int row) {
    list()->hide();
    if (row >= 0 && static_cast<std::size_t>(row) < m_offered.size())
        emit taken(m_offered[static_cast<std::size_t>(row)]);
}

bool PlacePopup::eventFilter(QObject* watched, QEvent* event) {
    QAbstractItemView* shown = list();
    if (watched == shown && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        emit listShown(event->type() == QEvent::Show);
    if (watched != shown || event->type() != QEvent::KeyPress || !shown->isVisible())
        return QObject::eventFilter(watched, event);
    const bool highlighted = shown->selectionModel()->hasSelection();
    const int row = shown->currentIndex().row(); // the best (0) while none is highlighted
    const int last = static_cast<int>(m_offered.size()) - 1;
    switch (static_cast<const QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
        if (last >= 0)
            Highlight(highlighted ? std::min(row + 1, last) : std::max(row, 0));
        return true;
    case Qt::Key_Up:
        if (highlighted)
            Highlight(row - 1); // from the first row, back to the text
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Take(std::max(row, 0));
        return true;
    default:
        return false; // typing, Escape, Tab and the rest: the completer's
    }
}

} // namespace selvane
