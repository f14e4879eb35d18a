// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Qt's accessibility switched on in the test, as a running screen reader switches it on (there
// is no reader and no bus offscreen), with the events Qt would send a reader recorded, and a
// few ways to walk a window's accessible tree.

#include <QAccessible>
#include <QCoreApplication>
#include <QStringList>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <vector>

namespace selvane {

struct RecordedEvent {
    QAccessible::Event Type;
    QAccessibleInterface* Item;
    QString Name; // the object's name when the event went out
};

class AccessibilityProbe {
public:
    AccessibilityProbe() {
        events().clear();
        QAccessible::installUpdateHandler(&Record);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~AccessibilityProbe() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }

    static std::vector<RecordedEvent>& events() {
        static std::vector<RecordedEvent> recorded;
        return recorded;
    }
    // The names of the objects an event of `type` went out for, in order.
    static QStringList told(QAccessible::Event type) {
        QStringList names;
        for (const RecordedEvent& e : events())
            if (e.Type == type)
                names << e.Name;
        return names;
    }

private:
    static void Record(QAccessibleEvent* event) {
        QAccessibleInterface* item = event->accessibleInterface();
        events().push_back({event->type(), item, item ? item->text(QAccessible::Name) : QString()});
    }
};

inline QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The first of `root`'s children (and theirs, depth first) whose name is `name`, or starts with
// `name` and a space when `prefix`.
inline QAccessibleInterface* FindNamed(QAccessibleInterface* root, const QString& name,
                                       bool prefix = false) {
    for (int i = 0; root && i < root->childCount(); ++i) {
        QAccessibleInterface* c = root->child(i);
        if (!c)
            continue;
        const QString n = c->text(QAccessible::Name);
        if (n == name || (prefix && n.startsWith(name + u' ')))
            return c;
        if (QAccessibleInterface* found = FindNamed(c, name, prefix))
            return found;
    }
    return nullptr;
}

// Presses an object through its action interface, as a screen reader does, and lets the press
// take effect: a hot spot's click comes from the event loop (a modal window it opens runs
// there, so what is to happen in it must be queued before).
inline bool Press(QAccessibleInterface* item) {
    if (!item || !item->actionInterface() ||
        !item->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    return true;
}

} // namespace selvane
