#ifndef APPICON_H
#define APPICON_H

#include <QIcon>

// Sharpa's icon in every size drawn at build time from its SVG.
QIcon applicationIcon();

#endif // APPICON_H
