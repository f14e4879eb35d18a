// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What screen readers are told of the window kit's widgets and of the parts of a window that
// have no widget of their own. Qt asks the installed factory for each object's interface:
//  - a hot spot is a push button named by its accessible name, else its hint, else its text,
//    whose press action is HotSpotLabel::accessiblePress; the hot spot a window is dragged by
//    is the text of the window's drawn title (the window's name), with nothing to press;
//  - a spin button is a spin box named with the value its label shows, whose increase and
//    decrease actions are its arrows;
//  - a label given a caption (SetValueCaption) is read as its caption and its text.
// The windows list their own children where reading order or painted parts ask for it
// (ListedWindowAccessible). Nothing here paints or changes what a window shows, and nothing
// runs unless a screen reader asks.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;

namespace selvane {

// Installs the kit's interfaces; later calls do nothing. The windows call it before they make
// their widgets: a screen reader that is already running asks for interfaces as they are made.
void InstallKitAccessibility();

// Forgets the interface Qt may have made for `object` before it was set up (a window's, made
// while its base class was being built), so that the next query makes the right one.
void ForgetAccessibleInterface(QObject* object);

// Undoes, as `window` is destroyed, what it told screen readers through the kit: its
// interface with the items it owns and its labels' captions, which read the window's state.
// Its destructor calls it, before the children it deletes last tell a reader they are gone.
void ReleaseAccessibility(QWidget* window);

// Reads `label`, which shows a value, after its caption: named "<caption> <text>" ("Distance
// 399883 km"), with its text as its value, in `role`. The caption is asked for each time (the
// Moon's events change their order, so their captions change).
void SetValueCaption(QLabel* label, std::function<QString()> caption,
                     QAccessible::Role role = QAccessible::StaticText);
// The same with a caption that does not change.
void SetValueCaption(QLabel* label, const QString& caption,
                     QAccessible::Role role = QAccessible::StaticText);

// "<caption> <value>", or the one of them that is not empty.
QString CaptionedName(const QString& caption, const QString& value);

// Tells a listening screen reader that `item` changed (NameChanged, Focus, ...); nothing when
// none listens.
void Notify(QAccessibleInterface* item, QAccessible::Event type);
void Notify(QObject* object, QAccessible::Event type);

// An object over a part of a window that has no widget of its own: a value or a picture the
// window paints, a row of one of its pictures. It asks the window for its name, value and place
// each time it is read, so it always tells what is on screen; its value is also its read-only
// text, for a reader that asks for more than the name tells (a clock's seconds).
class PaintedItem : public QAccessibleInterface,
                    public QAccessibleActionInterface,
                    public QAccessibleTextInterface {
public:
    struct Parts {
        QAccessible::Role Role = QAccessible::StaticText;
        std::function<QString()> Name;
        std::function<QString()> Value; // none: no value and no text
        std::function<QRect()> Place;   // in the window's coordinates
        std::function<void()> Press;    // a command: its press action
        std::function<bool()> Shown;    // none: shown with the window
        std::function<bool()> Selected; // none: not selectable
        std::function<bool()> Focused;  // none: not focusable
        QString Description;
    };
    PaintedItem(QWidget* window, QAccessibleInterface* parent, Parts parts);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override { return m_parent; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return m_parts.Role; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // The window it lies on; null once the window is gone.
    QWidget* windowWidget() const { return m_window; }
    // The place in the window's coordinates.
    QRect place() const;

private:
    QString value() const;

    QPointer<QWidget> m_window;
    QAccessibleInterface* m_parent;
    Parts m_parts;
};

class PaintedCell;

// A table the window draws as pictures and texts: a row of column headers, then rows of cells,
// each a PaintedItem made when first asked for and kept until Reset.
class PaintedTable : public PaintedItem, public QAccessibleTableInterface {
public:
    PaintedTable(QWidget* window, QAccessibleInterface* parent, Parts parts);
    ~PaintedTable() override;

    // What a table tells of its cells; places in the window's coordinates.
    virtual QString cellName(int row, int column) const = 0;
    virtual QRect cellPlace(int row, int column) const = 0;
    virtual QString headerName(int column) const = 0;
    virtual QRect headerPlace(int column) const = 0;
    // Shown: the window is; a table that scrolls hides the cells out of its view.
    virtual bool cellShown(int row, int column) const;
    // A table whose cells can be selected (a calendar's days) tells which one is.
    virtual bool cellsSelectable() const { return false; }
    virtual bool cellSelected(int, int) const { return false; }
    virtual bool cellFocused(int, int) const { return false; }
    // A table whose cells are commands presses them here.
    virtual bool cellsPressable() const { return false; }
    virtual void pressCell(int, int) {}

    // Forgets the cells: the table shows other rows now (a reader asks for them anew).
    void Reset();
    // The cell and header objects, made when first asked for.
    PaintedCell* cell(int row, int column) const;
    PaintedItem* header(int column) const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override { return headerName(column); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    mutable QHash<int, QAccessible::Id> m_cells; // by row * columnCount() + column
    mutable QHash<int, QAccessible::Id> m_headers;
};

// A cell of a PaintedTable.
class PaintedCell : public PaintedItem, public QAccessibleTableCellInterface {
public:
    PaintedCell(PaintedTable* table, int row, int column);

    void* interface_cast(QAccessible::InterfaceType type) override;
    bool isSelected() const override { return m_table->cellSelected(m_row, m_column); }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return m_table; }

private:
    PaintedTable* m_table;
    int m_row;
    int m_column;
};

// A window that lists its own children for screen readers, in reading order: those of its
// widgets that are read (captions read with their values, shadows and the pictures it is drawn
// from are left out), found by name when asked for, and the painted items it owns.
class ListedWindowAccessible : public QAccessibleWidget {
public:
    explicit ListedWindowAccessible(QWidget* window, QAccessible::Role role = QAccessible::Window);
    ~ListedWindowAccessible() override;

    int childCount() const override { return static_cast<int>(m_children.size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    // The next child: a widget of the window by its object name.
    void addWidget(const char* name);
    // The next child: an item over a painted part, owned by this interface.
    PaintedItem* addItem(PaintedItem::Parts parts);
    // The next child: an item made by the caller, owned by this interface from now on.
    template <typename Item>
    Item* addOwned(Item* item) {
        m_children.append({QString(), QAccessible::registerAccessibleInterface(item)});
        return item;
    }

private:
    struct Child {
        QString Widget;
        QAccessible::Id Item = 0;
    };
    QList<Child> m_children;
};

} // namespace selvane
