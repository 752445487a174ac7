#include "appicon.h"

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/io.github.sharpa.Sharpa.png").arg(size));
    return icon;
}
