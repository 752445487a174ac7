#ifndef INFORMATION_H
#define INFORMATION_H

#include <QString>
#include <QUrl>

class Prompts;
class QWidget;

// What the program tells about itself.
namespace Information {

// The page that tells about this version of Sharpa.
QUrl versionPage(const QString &version);

void showAbout(const QString &version);
// The user guide in the user's language, beside the window; shown again,
// not opened twice.
void showUserGuide(QWidget *window);
// In the desktop's browser; where none opens, the user is told the address.
void openVersionPage(QWidget *parent, Prompts &prompts, const QString &version);

} // namespace Information

#endif // INFORMATION_H
