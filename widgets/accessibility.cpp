// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/accessibility.h"

#include "widgets/hotspotlabel.h"
#include "widgets/spinbutton.h"
#include "widgets/titledrag.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>
#include <QWindow>

namespace selvane {

namespace {

// The caption SetValueCaption gives a label: a child object of the label, so it lives and dies
// with it.
class ValueCaption : public QObject {
public:
    ValueCaption(QLabel* label, std::function<QString()> caption, QAccessible::Role role)
        : QObject(label)
        , Caption(std::move(caption))
        , Role(role) {}
    std::function<QString()> Caption;
    QAccessible::Role Role;
};

template <typename Child>
Child* DirectChild(const QObject* object) {
    for (QObject* child : object->children())
        if (auto* found = dynamic_cast<Child*>(child))
            return found;
    return nullptr;
}

class CaptionedLabelAccessible : public QAccessibleWidget {
public:
    CaptionedLabelAccessible(QLabel* label, ValueCaption* caption)
        : QAccessibleWidget(label, caption->Role)
        , m_caption(caption) {}

    QString text(QAccessible::Text t) const override {
        const QString shown = static_cast<QLabel*>(widget())->text();
        switch (t) {
        case QAccessible::Name:
            return CaptionedName(m_caption ? m_caption->Caption() : QString(), shown);
        case QAccessible::Value:
            return shown;
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::EditableText)
            s.editable = true;
        return s;
    }

private:
    QPointer<ValueCaption> m_caption; // gone when the window releases it
};

class HotSpotAccessible : public QAccessibleWidget {
public:
    explicit HotSpotAccessible(HotSpotLabel* spot)
        : QAccessibleWidget(spot, QAccessible::Button) {}

    // The spot a window is dragged by lies over the window's drawn title: it reads as that
    // text. It is no command (a press cannot drag, and a click on it does nothing), and Qt's
    // title-bar role reaches the desktop's bus as an editable-looking text.
    bool isTitle() const { return DirectChild<TitleDrag>(object()) != nullptr; }

    QAccessible::Role role() const override {
        return isTitle() ? QAccessible::StaticText : QAccessible::Button;
    }
    QString text(QAccessible::Text t) const override {
        const QWidget* w = widget();
        switch (t) {
        case QAccessible::Name:
            if (!w->accessibleName().isEmpty())
                return w->accessibleName();
            if (!w->toolTip().isEmpty())
                return w->toolTip();
            if (isTitle()) {
                const QWidget* window = w->window();
                return window->accessibleName().isEmpty() ? window->windowTitle()
                                                          : window->accessibleName();
            }
            return static_cast<const QLabel*>(w)->text().trimmed();
        case QAccessible::Description:
            if (isTitle() && w->accessibleDescription().isEmpty())
                return QCoreApplication::translate("selvane::HotSpotLabel",
                                                   "Drag it to move the window");
            return w->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override {
        return isTitle() ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && !isTitle())
            static_cast<HotSpotLabel*>(widget())->accessiblePress();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

class SpinButtonAccessible : public QAccessibleWidget {
public:
    explicit SpinButtonAccessible(SpinButton* spin)
        : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }
    QString shown() const {
        return spin()->valueLabel() ? spin()->valueLabel()->text() : QString();
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return CaptionedName(widget()->accessibleName(), shown());
        case QAccessible::Value:
            return shown();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (spin()->valueLabel() && (match & QAccessible::Controlled))
            found.append({QAccessible::queryAccessibleInterface(spin()->valueLabel()),
                          QAccessible::Controlled});
        return found;
    }
    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName == increaseAction())
            spin()->stepUp();
        else if (actionName == decreaseAction())
            spin()->stepDown();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* KitFactory(const QString& className, QObject* object) {
    const bool hotSpot = className == QLatin1String("selvane::HotSpotLabel");
    if (hotSpot || className == QLatin1String("QLabel")) {
        if (auto* caption = DirectChild<ValueCaption>(object))
            return new CaptionedLabelAccessible(static_cast<QLabel*>(object), caption);
        if (hotSpot)
            return new HotSpotAccessible(static_cast<HotSpotLabel*>(object));
    }
    if (className == QLatin1String("selvane::SpinButton"))
        return new SpinButtonAccessible(static_cast<SpinButton*>(object));
    return nullptr;
}

} // namespace

void InstallKitAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(KitFactory);
        return true;
    }();
    (void)installed;
}

void ForgetAccessibleInterface(QObject* object) {
    if (!QAccessible::isActive())
        return; // no interface is made while no reader listens
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void ReleaseAccessibility(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        delete DirectChild<ValueCaption>(label);
    ForgetAccessibleInterface(window);
}

void SetValueCaption(QLabel* label, std::function<QString()> caption, QAccessible::Role role) {
    delete DirectChild<ValueCaption>(label);
    new ValueCaption(label, std::move(caption), role);
    ForgetAccessibleInterface(label);
}

void SetValueCaption(QLabel* label, const QString& caption, QAccessible::Role role) {
    SetValueCaption(
        label, [caption] { return caption; }, role);
}

QString CaptionedName(const QString& caption, const QString& value) {
    if (caption.isEmpty())
        return value;
    if (value.isEmpty())
        return caption;
    return caption + u' ' + value;
}

void Notify(QAccessibleInterface* item, QAccessible::Event type) {
    if (!item || !QAccessible::isActive())
        return;
    QAccessibleEvent event(item, type);
    QAccessible::updateAccessibility(&event);
}

void Notify(QObject* object, QAccessible::Event type) {
    if (!object || !QAccessible::isActive())
        return;
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

// PaintedItem

PaintedItem::PaintedItem(QWidget* window, QAccessibleInterface* parent, Parts parts)
    : m_window(window)
    , m_parent(parent)
    , m_parts(std::move(parts)) {}

bool PaintedItem::isValid() const {
    return !m_window.isNull();
}

QWindow* PaintedItem::window() const {
    return m_window ? m_window->window()->windowHandle() : nullptr;
}

QString PaintedItem::value() const {
    return m_parts.Value && m_window ? m_parts.Value() : QString();
}

QString PaintedItem::text(QAccessible::Text t) const {
    if (!m_window)
        return {};
    switch (t) {
    case QAccessible::Name:
        return m_parts.Name ? m_parts.Name() : QString();
    case QAccessible::Value:
        return value();
    case QAccessible::Description:
        return m_parts.Description;
    default:
        return {};
    }
}

QRect PaintedItem::place() const {
    return m_window && m_parts.Place ? m_parts.Place() : QRect();
}

QRect PaintedItem::rect() const {
    const QRect local = place();
    if (!m_window || local.isNull())
        return {};
    return {m_window->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State PaintedItem::state() const {
    QAccessible::State s;
    if (!m_window || !m_window->isVisible() || (m_parts.Shown && !m_parts.Shown())) {
        s.invisible = true;
        s.offscreen = true;
    }
    if (m_parts.Selected) {
        s.selectable = true;
        s.selected = m_parts.Selected();
    }
    if (m_parts.Focused) {
        s.focusable = true;
        s.focused = m_parts.Focused();
    }
    if (m_parts.Value)
        s.readOnly = true;
    return s;
}

void* PaintedItem::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && m_parts.Press)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TextInterface && m_parts.Value)
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

QStringList PaintedItem::actionNames() const {
    return m_parts.Press ? QStringList{pressAction()} : QStringList();
}

void PaintedItem::doAction(const QString& actionName) {
    if (actionName == pressAction() && m_parts.Press && m_window)
        m_parts.Press();
}

void PaintedItem::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString PaintedItem::text(int startOffset, int endOffset) const {
    return value().mid(startOffset, endOffset - startOffset);
}

int PaintedItem::characterCount() const {
    return static_cast<int>(value().size());
}

QString PaintedItem::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

// PaintedTable

PaintedTable::PaintedTable(QWidget* window, QAccessibleInterface* parent, Parts parts)
    : PaintedItem(window, parent, std::move(parts)) {}

PaintedTable::~PaintedTable() {
    Reset();
    for (const QAccessible::Id id : std::as_const(m_headers))
        QAccessible::deleteAccessibleInterface(id);
}

void PaintedTable::Reset() {
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

bool PaintedTable::cellShown(int, int) const {
    const QWidget* w = windowWidget();
    return w && w->isVisible();
}

PaintedCell* PaintedTable::cell(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    const int key = row * columnCount() + column;
    if (const auto id = m_cells.value(key))
        if (auto* made = dynamic_cast<PaintedCell*>(QAccessible::accessibleInterface(id)))
            return made;
    auto* made = new PaintedCell(const_cast<PaintedTable*>(this), row, column);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

PaintedItem* PaintedTable::header(int column) const {
    if (column < 0 || column >= columnCount())
        return nullptr;
    if (const auto id = m_headers.value(column))
        if (auto* made = dynamic_cast<PaintedItem*>(QAccessible::accessibleInterface(id)))
            return made;
    auto* self = const_cast<PaintedTable*>(this);
    Parts parts;
    parts.Role = QAccessible::ColumnHeader;
    parts.Name = [self, column] {
        return self->headerName(column);
    };
    parts.Place = [self, column] {
        return self->headerPlace(column);
    };
    auto* made = new PaintedItem(windowWidget(), self, std::move(parts));
    m_headers.insert(column, QAccessible::registerAccessibleInterface(made));
    return made;
}

int PaintedTable::childCount() const {
    return columnCount() * (rowCount() + 1);
}

QAccessibleInterface* PaintedTable::child(int index) const {
    const int columns = columnCount();
    if (index < 0 || columns == 0)
        return nullptr;
    if (index < columns)
        return header(index);
    return cell(index / columns - 1, index % columns);
}

int PaintedTable::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* c = dynamic_cast<const PaintedCell*>(child); c && c->table() == this)
        return (c->rowIndex() + 1) * columnCount() + c->columnIndex();
    for (auto it = m_headers.cbegin(); it != m_headers.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    return -1;
}

QAccessibleInterface* PaintedTable::childAt(int x, int y) const {
    const QWidget* w = windowWidget();
    if (!w)
        return nullptr;
    const QPoint local = w->mapFromGlobal(QPoint(x, y));
    for (int column = 0; column < columnCount(); ++column)
        if (headerPlace(column).contains(local))
            return header(column);
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (cellPlace(row, column).contains(local))
                return cell(row, column);
    return nullptr;
}

void* PaintedTable::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return PaintedItem::interface_cast(type);
}

QAccessibleInterface* PaintedTable::cellAt(int row, int column) const {
    return cell(row, column);
}

int PaintedTable::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> PaintedTable::selectedCells() const {
    QList<QAccessibleInterface*> selected;
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (cellSelected(row, column))
                selected.append(cell(row, column));
    return selected;
}

void PaintedTable::modelChange(QAccessibleTableModelChangeEvent*) {
    Reset();
}

// PaintedCell

namespace {

PaintedItem::Parts CellParts(PaintedTable* table, int row, int column) {
    PaintedItem::Parts parts;
    parts.Role = QAccessible::Cell;
    parts.Name = [table, row, column] {
        return table->cellName(row, column);
    };
    parts.Place = [table, row, column] {
        return table->cellPlace(row, column);
    };
    parts.Shown = [table, row, column] {
        return table->cellShown(row, column);
    };
    if (table->cellsPressable())
        parts.Press = [table, row, column] {
            table->pressCell(row, column);
        };
    if (table->cellsSelectable()) {
        parts.Selected = [table, row, column] {
            return table->cellSelected(row, column);
        };
        parts.Focused = [table, row, column] {
            return table->cellFocused(row, column);
        };
    }
    return parts;
}

} // namespace

PaintedCell::PaintedCell(PaintedTable* table, int row, int column)
    : PaintedItem(table->windowWidget(), table, CellParts(table, row, column))
    , m_table(table)
    , m_row(row)
    , m_column(column) {}

void* PaintedCell::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return PaintedItem::interface_cast(type);
}

QList<QAccessibleInterface*> PaintedCell::columnHeaderCells() const {
    return {m_table->header(m_column)};
}

// ListedWindowAccessible

ListedWindowAccessible::ListedWindowAccessible(QWidget* window, QAccessible::Role role)
    : QAccessibleWidget(window, role) {}

ListedWindowAccessible::~ListedWindowAccessible() {
    for (const Child& c : std::as_const(m_children))
        if (c.Item)
            QAccessible::deleteAccessibleInterface(c.Item);
}

void ListedWindowAccessible::addWidget(const char* name) {
    m_children.append({QString::fromLatin1(name), 0});
}

PaintedItem* ListedWindowAccessible::addItem(PaintedItem::Parts parts) {
    return addOwned(new PaintedItem(widget(), this, std::move(parts)));
}

QAccessibleInterface* ListedWindowAccessible::child(int index) const {
    if (index < 0 || index >= m_children.size())
        return nullptr;
    const Child& c = m_children[index];
    if (c.Item)
        return QAccessible::accessibleInterface(c.Item);
    QWidget* w = widget()->findChild<QWidget*>(c.Widget, Qt::FindDirectChildrenOnly);
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

int ListedWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    const QObject* object = child->object();
    for (int i = 0; i < m_children.size(); ++i) {
        const Child& c = m_children[i];
        if (c.Item ? QAccessible::accessibleInterface(c.Item) == child
                   : object && object->parent() == widget() && object->objectName() == c.Widget)
            return i;
    }
    return -1;
}

QAccessibleInterface* ListedWindowAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* c = child(i);
        if (c && !c->state().invisible && c->rect().contains(x, y))
            return c;
    }
    return nullptr;
}

} // namespace selvane
