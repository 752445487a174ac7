#include "preferences.h"

#include "pathtext.h"
#include "window/product.h"
#include "window/prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>

namespace {
const QString recentKey = QStringLiteral("files/recent");
const QString folderKey = QStringLiteral("files/folder");
} // namespace

Preferences::Preferences(QMainWindow *mainWindow, QMenu *recentMenu,
                         const std::unique_ptr<Prompts> &windowPrompts)
    : QObject(mainWindow)
    , window(mainWindow)
    , menu(recentMenu)
    , prompts(windowPrompts)
{
    // A hand-edited list may hold more than the menu keeps.
    setRecentFiles(recentFiles().mid(0, recentCount));
}

QStringList Preferences::recentFiles()
{
    return QSettings().value(recentKey).toStringList();
}

void Preferences::addRecentFile(const QString &path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    setRecentFiles(files.mid(0, recentCount));
    setLastFolder(file);
}

void Preferences::choose(const QString &path)
{
    if (QFileInfo::exists(path)) {
        emit recentFileChosen(path);
        return;
    }
    QStringList files = recentFiles();
    files.removeAll(path);
    setRecentFiles(files);
    prompts->warn(window, productName,
                  QCoreApplication::translate(
                      "mainWin", "%1 no longer exists. It has been removed from the recent files.")
                      .arg(pathText(path)));
}

QString Preferences::lastFolder()
{
    const QString folder = QSettings().value(folderKey).toString();
    return QFileInfo(folder).isDir() ? folder : QDir::currentPath();
}

void Preferences::setLastFolder(const QString &file)
{
    QSettings().setValue(folderKey, QFileInfo(file).absolutePath());
}

void Preferences::setRecentFiles(const QStringList &files)
{
    QSettings().setValue(recentKey, files);
    // Later, as the entry being chosen may be among them.
    for (QAction *entry : menu->actions()) {
        menu->removeAction(entry);
        entry->deleteLater();
    }
    for (int k = 0; k < files.size(); ++k) {
        const QString &path = files[k];
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(
            pathText(QFileInfo(path).fileName()).replace(QLatin1Char('&'), QLatin1String("&&"))));
        entry->setToolTip(pathText(path));
        connect(entry, &QAction::triggered, this, [this, path] { choose(path); });
    }
    menu->setEnabled(!files.isEmpty());
}
