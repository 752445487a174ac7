#ifndef FILEERRORTEXT_H
#define FILEERRORTEXT_H

#include <QString>

struct FileError;

// Why a file could not be read, written or taken, in the user's words.
QString fileErrorText(const FileError &error);

#endif // FILEERRORTEXT_H
