#include "window/app_icon.h"

#include <QDir>

namespace window {

QIcon applicationIcon()
{
    // One folder per size in the resources, ":/icons/48x48" and so on.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString &size : sizes.entryList(QDir::Dirs))
        icon.addFile(sizes.filePath(size + QStringLiteral("/org.example.Imc.png")));
    return icon;
}

} // namespace window
