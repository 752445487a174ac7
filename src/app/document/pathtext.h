#ifndef PATHTEXT_H
#define PATHTEXT_H

#include <QString>

// A file's name as a title, a menu or a message shows it: native
// separators, and every control character escaped ("\n", "\t", "\x1b"), so
// that a name holding a newline stays on one line and says what it holds.
QString pathText(const QString &path);

#endif // PATHTEXT_H
