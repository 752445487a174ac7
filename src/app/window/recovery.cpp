#include "recovery.h"

#include "document/document.h"
#include "document/fileerrortext.h"
#include "document/pathtext.h"
#include "product.h"
#include "prompts.h"
#include "settings/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <iostream>

namespace {

// The settings' keys: each set's file name, the set of an earlier version
// of the program, and word of changes that could not be kept.
const QString namesGroup = QStringLiteral("recovery/files/");
const QString earlierVersionKey = QStringLiteral("recovery/fileName");
const QString lostKey = QStringLiteral("recovery/lost");

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString when(const QDateTime &time)
{
    return QLocale().toString(time, QLocale::ShortFormat);
}

} // namespace

Recovery::Recovery(QWidget *parent, Document &changes,
                   const std::unique_ptr<Prompts> &windowPrompts)
    : window(parent)
    , document(changes)
    , prompts(windowPrompts)
{}

QString Recovery::folder()
{
    return QDir(dataFolder()).filePath(QStringLiteral("recovery"));
}

bool Recovery::keep()
{
    if (!document.hasUnsavedChanges()) {
        discard();
        return true;
    }
    // Named once, by the time, the process and chance, so that no other
    // run's is ever written.
    if (own.isEmpty())
        own = QDir(folder()).filePath(
            QStringLiteral("%1-%2-%3.cbp")
                .arg(QDateTime::currentMSecsSinceEpoch())
                .arg(QCoreApplication::applicationPid())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    FileError error;
    QSettings settings;
    if (!document.keepUnsaved(own, &error)) {
        const QString reason = fileErrorText(error);
        std::cerr << qPrintable(QCoreApplication::translate(
                                    "mainWin", "%1: the unsaved changes could not be kept in %2.")
                                    .arg(productName, pathText(own)))
                  << ' ' << qPrintable(reason) << std::endl;
        settings.setValue(
            lostKey,
            QStringList{QDateTime::currentDateTime().toString(Qt::ISODate), pathText(own), reason});
        return false;
    }
    settings.setValue(namesGroup + QFileInfo(own).completeBaseName(), document.fileName());
    return true;
}

void Recovery::discard()
{
    if (own.isEmpty())
        return;
    QFile::remove(own);
    QSettings().remove(namesGroup + QFileInfo(own).completeBaseName());
}

void Recovery::stop()
{
    stopped = true;
}

QList<Recovery::Kept> Recovery::sets()
{
    QList<Kept> found;
    const QSettings settings;
    const QFileInfoList files = QDir(folder()).entryInfoList(
        {QStringLiteral("*.cbp")}, QDir::Files | QDir::NoSymLinks | QDir::Hidden);
    for (const QFileInfo &file : files) {
        const QString key = namesGroup + file.completeBaseName();
        found.append({file.filePath(), key, settings.value(key).toString(), file.lastModified()});
    }
    const QFileInfo earlier(QDir(dataFolder()).filePath(QStringLiteral("recovery.cbp")));
    if (earlier.isFile() && !earlier.isSymLink())
        found.append({earlier.filePath(), earlierVersionKey,
                      settings.value(earlierVersionKey).toString(), earlier.lastModified()});
    // Named by the time they were kept, where two were kept at once.
    std::sort(found.begin(), found.end(), [](const Kept &a, const Kept &b) {
        return a.time != b.time ? a.time > b.time : a.path > b.path;
    });
    return found;
}

void Recovery::forget(const Kept &set) const
{
    QFile::remove(set.path);
    QSettings().remove(set.key);
}

void Recovery::offer()
{
    QSettings settings;
    if (const QStringList lost = settings.value(lostKey).toStringList(); lost.size() == 3) {
        settings.remove(lostKey);
        prompts->warn(
            window, productName,
            QCoreApplication::translate(
                "mainWin",
                "The unsaved changes of a run that ended on %1 could not be kept "
                "in %2.\n%3")
                .arg(when(QDateTime::fromString(lost[0], Qt::ISODate)), lost[1], lost[2]));
    }
    for (const Kept &set : sets()) {
        if (stopped || set.path == own)
            return;
        const QString question = set.fileName.isEmpty()
            ? QCoreApplication::translate(
                  "mainWin",
                  "Sharpa was closed on %1 with unsaved changes to a new document. Restore them?")
                  .arg(when(set.time))
            : QCoreApplication::translate(
                  "mainWin", "Sharpa was closed on %1 with unsaved changes to %2. Restore them?")
                  .arg(when(set.time), pathText(set.fileName));
        const QMessageBox::StandardButton answer = prompts->ask(
            window, productName, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        // A run ended while it asked keeps every set for the next.
        if (stopped)
            return;
        if (answer == QMessageBox::Yes) {
            // The set restored before it, saved or not, as the user says.
            if (!document.mayDiscardChanges() || stopped)
                return;
            if (!document.restoreUnsaved(set.path, set.fileName))
                continue;
        }
        forget(set);
    }
}
