#include "AppIcon.h"

static void initIconResources()
{
    Q_INIT_RESOURCE(shell);
}

QIcon ShiftgridIcon()
{
    initIconResources();
    // The drawing scales to any size where Qt can render SVG; elsewhere the pictures serve.
    const QIcon drawn(QStringLiteral(":/icons/shiftgrid.svg"));
    if (!drawn.pixmap(QSize(32, 32)).isNull())
        return drawn;
    QIcon pictures;
    for (int size : {16, 32, 48, 256})
        pictures.addFile(QStringLiteral(":/icons/shiftgrid-%1.png").arg(size), QSize(size, size));
    return pictures;
}
