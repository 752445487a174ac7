#ifndef INFORMATION_H
#define INFORMATION_H

#include <QString>
#include <QUrl>

namespace Information {

// The page that tells about this version of Sharpa.
QUrl versionPage(const QString &version);

} // namespace Information

#endif // INFORMATION_H
