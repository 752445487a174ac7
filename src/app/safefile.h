#ifndef SAFEFILE_H
#define SAFEFILE_H

#include <QByteArray>
#include <QString>

// Replaces the file only once every byte is written; on failure the old file,
// if any, stays as it was and errorMessage says why.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *errorMessage = nullptr);

#endif // SAFEFILE_H
