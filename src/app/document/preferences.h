#ifndef PREFERENCES_H
#define PREFERENCES_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Prompts;
class QMainWindow;
class QMenu;

// What Sharpa remembers between runs (QSettings) of the files: those
// opened or saved last, listed in File > Open Recent, and the folder where
// the file dialogs start.
class Preferences : public QObject
{
    Q_OBJECT

public:
    static constexpr int recentCount = 8;

    // Lists the recent files in the menu. A vanished file chosen there is
    // removed, and the user told so.
    Preferences(QMainWindow *window, QMenu *recentMenu, const std::unique_ptr<Prompts> &prompts);

    static QStringList recentFiles();
    // First in the list, and its folder is where the dialogs start next.
    void addRecentFile(const QString &path);
    static QString lastFolder();
    static void setLastFolder(const QString &file);

signals:
    void recentFileChosen(const QString &path);

private:
    void choose(const QString &path);
    void setRecentFiles(const QStringList &files);

    QMainWindow *window;
    QMenu *menu;
    const std::unique_ptr<Prompts> &prompts;
};

#endif // PREFERENCES_H
