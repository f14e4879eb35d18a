#include "ui/appicon.h"

#include "widgets/resources.h"

#include <QFileInfo>
#include <QImageReader>

namespace selvane {

QIcon ApplicationIcon(const QString& workingDir, const QString& programDir) {
    const QString name = QStringLiteral("Selvane.ico");
    for (const QString& path : {workingDir + '/' + name, programDir + '/' + name,
                                programDir + QStringLiteral("/../share/selvane/") + name}) {
        if (QFileInfo::exists(path) && QImageReader(path).canRead())
            return QIcon(path);
    }
    InitResources();
    return QIcon(QStringLiteral(":/icon.png"));
}

} // namespace selvane
