#include "document.h"

#include "fileerrortext.h"
#include "model/formmodel.h"
#include "model/settingsmap.h"
#include "pathtext.h"
#include "preferences.h"
#include "settings/camerasettings.h"
#include "settings/safefile.h"
#include "window/product.h"
#include "window/prompts.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// The window's texts keep its translation context wherever they are built.
QString fileFilter()
{
    return QCoreApplication::translate("mainWin", "Sharpa camera settings (*.cbp)");
}

// A value of the file as a message names it: "Camera 2, Focus".
QString fieldTitle(Field field)
{
    if (field.isView())
        return labelOf(field);
    const QString camera
        = QCoreApplication::translate("mainWin", "Camera %1").arg(field.camera() + 1);
    return field.is(CameraInput::Shown) ? camera
                                        : QCoreApplication::translate("mainWin", "Camera %1, %2")
                                              .arg(field.camera() + 1)
                                              .arg(labelOf(field));
}

// The one local file that a drag carries, or none.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

} // namespace

Document::Document(QWidget *parent, FormModel &values,
                   const std::unique_ptr<Prompts> &windowPrompts)
    : QObject(parent)
    , window(parent)
    , model(values)
    , prompts(windowPrompts)
    , initial(SettingsMap::read(values))
{
    setFileName({});
    parent->setAcceptDrops(true);
    parent->installEventFilter(this);
}

Document::~Document() = default;

QString Document::fileName() const
{
    return name;
}

bool Document::mayDiscardChanges()
{
    if (!hasUnsavedChanges())
        return true;
    switch (prompts->ask(window, productName,
                         QCoreApplication::translate("mainWin",
                                                     "The camera settings have been changed.\n"
                                                     "Do you want to save your changes?"),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                         QMessageBox::Save)) {
    case QMessageBox::Save:
        return saveFile(name.isEmpty());
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Document::newDocument()
{
    if (!mayDiscardChanges())
        return;
    SettingsMap::write(model, initial, false);
    newerValues.clear();
    setFileName({});
    emit replaced();
    markSaved();
}

void Document::open()
{
    if (!mayDiscardChanges())
        return;
    const QString path
        = prompts->openFileName(window, QCoreApplication::translate("mainWin", "Open File"),
                                Preferences::lastFolder(), fileFilter());
    if (!path.isEmpty())
        openFile(path);
}

void Document::openFile(const QString &path)
{
    openNative(QFile::encodeName(path));
}

void Document::openNative(const QByteArray &native)
{
    const QString path = QFile::decodeName(native);
    FileError error;
    const std::optional<CameraSettings> settings = SettingsFile::readNative(native, &error);
    if (!settings) {
        prompts->reportFailure(window,
                               QCoreApplication::translate(
                                   "mainWin", "Could not open the camera settings file %1.\n%2"),
                               path, error);
        return;
    }
    // A name that no text holds whole cannot be saved under: its values come
    // in as a new document's, and Save asks for a name.
    const bool named = QFile::encodeName(path) == native;
    setFileName(named ? path : QString());
    if (named)
        emit fileNamed(path);
    const std::vector<std::size_t> adjusted = SettingsMap::write(model, *settings, true);
    emit replaced();
    // What the controls took is what counts as saved, except where a value
    // had to be brought into range: there the form no longer equals its file.
    newerValues = settings->newerValues;
    newerVersion = settings->newerVersion;
    const CameraSettings shown = current();
    CameraSettings held = shown;
    QStringList changes;
    for (std::size_t k : adjusted) {
        held.values[k] = settings->values[k];
        changes << QCoreApplication::translate("mainWin", "%1: %2 became %3")
                       .arg(fieldTitle(SettingsMap::fields.at(k)),
                            QLocale().toString(settings->values[k], 'g', 10),
                            QLocale().toString(shown.values[k], 'g', 10));
    }
    saved = held.toBytes();
    showModified();
    emit opened();
    if (!named)
        prompts->warn(window, productName,
                      QCoreApplication::translate("mainWin",
                                                  "The name of %1 is not valid UTF-8, which Sharpa "
                                                  "cannot save under: it is open as a new "
                                                  "document, and Save asks for another name.")
                          .arg(pathText(path)));
    if (!changes.isEmpty())
        prompts->warn(window, productName,
                      QCoreApplication::translate(
                          "mainWin", "%1 holds values outside the form's ranges. Adjusted:\n%2")
                          .arg(pathText(path), changes.join(QLatin1Char('\n'))));
}

bool Document::save()
{
    return saveFile(name.isEmpty());
}

bool Document::saveAs()
{
    return saveFile(true);
}

void Document::openChosen(const QString &path)
{
    if (mayDiscardChanges())
        openFile(path);
}

bool Document::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drag = static_cast<QDropEvent *>(event);
    const QString path = droppedFile(drag->mimeData());
    if (path.isEmpty())
        return false;
    drag->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        openChosen(path);
    return true;
}

bool Document::hasUnsavedChanges() const
{
    return current().toBytes() != saved;
}

bool Document::keepUnsaved(const QString &copy, FileError *error) const
{
    return writePrivateFile(copy, current().toBytes(), error);
}

bool Document::restoreUnsaved(const QString &copy, const QString &fileName)
{
    FileError error;
    const std::optional<CameraSettings> settings = SettingsFile::read(copy, &error);
    if (!settings) {
        prompts->reportFailure(
            window,
            QCoreApplication::translate("mainWin", "Could not restore the changes from %1.\n%2"),
            copy, error);
        return false;
    }
    // Compared with the file as it is now; a new document with its start values.
    const std::optional<CameraSettings> file
        = fileName.isEmpty() ? initial : SettingsFile::read(fileName, nullptr);
    saved = file ? file->toBytes() : QByteArray();
    setFileName(fileName);
    SettingsMap::write(model, *settings, true);
    newerValues = settings->newerValues;
    newerVersion = settings->newerVersion;
    emit replaced();
    showModified();
    emit opened();
    return true;
}

bool Document::saveFile(bool askForName)
{
    QString path = askForName
        ? prompts->saveFileName(window, QCoreApplication::translate("mainWin", "Save File"),
                                Preferences::lastFolder(), fileFilter())
        : name;
    if (path.isEmpty())
        return false;
    // The dialog asked about the name as typed, not about the one with the suffix.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".cbp");
        if (const std::optional<FileError> refused = writeRefusal(path))
            return refuse(path, *refused);
        if (!prompts->mayReplace(window, path))
            return false;
    }
    FileError error;
    if (!SettingsFile::write(path, current(), &error))
        return refuse(path, error);
    setFileName(path);
    emit fileNamed(path);
    markSaved();
    return true;
}

bool Document::refuse(const QString &path, const FileError &reason)
{
    prompts->reportFailure(
        window,
        QCoreApplication::translate("mainWin", "Could not save the camera settings to %1.\n%2"),
        path, reason);
    return false;
}

CameraSettings Document::current() const
{
    CameraSettings settings = SettingsMap::read(model);
    settings.newerValues = newerValues;
    settings.newerVersion = newerVersion;
    return settings;
}

void Document::markSaved()
{
    saved = current().toBytes();
    window->setWindowModified(false);
}

void Document::showModified()
{
    window->setWindowModified(current().toBytes() != saved);
}

void Document::setFileName(const QString &path)
{
    name = path;
    // The file's name; its whole path where the window system shows one.
    window->setWindowFilePath(path);
    window->setWindowTitle(
        path.isEmpty()
            ? productName + QStringLiteral("[*]")
            : QStringLiteral("%1 %2[*]").arg(productName, pathText(QFileInfo(path).fileName())));
}
