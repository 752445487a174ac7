#include "recovery.h"

#include "document/document.h"
#include "product.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString fileNameKey = QStringLiteral("recovery/fileName");

} // namespace

Recovery::Recovery(QWidget *parent, Document &changes,
                   const std::unique_ptr<Prompts> &windowPrompts)
    : window(parent)
    , document(changes)
    , prompts(windowPrompts)
{}

QString Recovery::path()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery.cbp"));
}

void Recovery::keep()
{
    QDir().mkpath(QFileInfo(path()).path());
    if (!document.keepUnsaved(path()))
        return discard();
    QSettings settings;
    settings.setValue(fileNameKey, document.fileName());
    settings.sync();
}

void Recovery::discard()
{
    QFile::remove(path());
    QSettings().remove(fileNameKey);
}

void Recovery::offer()
{
    if (!QFile::exists(path()))
        return;
    const QString fileName = QSettings().value(fileNameKey).toString();
    if (prompts->ask(window, productName,
                     QCoreApplication::translate(
                         "mainWin", "Sharpa was closed with unsaved changes. Restore them?"),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes)
        document.restoreUnsaved(path(), fileName);
    discard();
}
