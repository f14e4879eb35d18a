#include "widgets/placement.h"

#include <QWidget>

namespace selvane {

void PlaceControls(QWidget* window, std::span<const Placement> table) {
    for (const Placement& p : table)
        if (auto* control = window->findChild<QWidget*>(QString::fromLatin1(p.Name)))
            control->setGeometry(p.rect());
}

} // namespace selvane
