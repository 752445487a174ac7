#include "camerasettings.h"
#include "mainwin.h"
#include "prompts.h"

#include <QCloseEvent>
#include <QDir>
#include <QMimeData>

#include <cstdlib>
#include <iostream>

// The window's file actions: New, Open (also by dropping a file), Save,
// Save as, Quit and closing, each guarded against losing unsaved changes.

namespace {

QString fileFilter()
{
    return mainWin::tr(" 0.01 (*.cbp)");
}

// The one local file that a drag carries, or none.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

} // namespace

void mainWin::quit()
{
    if (mayDiscardChanges())
        std::exit(0);
}

void mainWin::closeEvent(QCloseEvent *event)
{
    event->setAccepted(mayDiscardChanges());
}

void mainWin::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void mainWin::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (mayDiscardChanges())
        openFile(path);
}

bool mainWin::mayDiscardChanges()
{
    return unsaved.mayProceed(this, *prompts, currentSettings(),
                              [this] { return saveFile(fileName.isEmpty()); });
}

void mainWin::markSaved()
{
    unsaved.markSaved(currentSettings());
    setWindowModified(false);
}

void mainWin::newForm()
{
    if (!mayDiscardChanges())
        return;
    initialForm.restore();
    fileName.clear();
    setWindowTitle(QStringLiteral("Sharpa[*]"));
    run();
    markSaved();
}

void mainWin::load()
{
    if (!mayDiscardChanges())
        return;
    const QString path
        = prompts->openFileName(this, tr("Open File"), QDir::currentPath(), fileFilter());
    if (!path.isEmpty())
        openFile(path);
}

void mainWin::openFile(const QString &path)
{
    QString error;
    const std::optional<CameraSettings> settings = SettingsFile::read(path, &error);
    if (!settings) {
        reportFailure(tr("Could not open the camera settings file %1.\n%2"), path, error);
        return;
    }
    fileName = path;
    showFileName();
    applySettings(*settings);
    run();
    // What the controls took, limited to their ranges, is what counts as saved.
    markSaved();
}

void mainWin::save()
{
    saveFile(fileName.isEmpty());
}

void mainWin::saveAs()
{
    saveFile(true);
}

bool mainWin::saveFile(bool askForName)
{
    QString path = askForName
        ? prompts->saveFileName(this, tr("Save File"), QDir::currentPath(), fileFilter())
        : fileName;
    if (path.isEmpty())
        return false;
    // The dialog asked about the name as typed, not about the one with the suffix.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".cbp");
        if (QFileInfo::exists(path)
            && prompts->ask(this, QStringLiteral("Sharpa"),
                            tr("%1 already exists.\nDo you want to replace it?")
                                .arg(QDir::toNativeSeparators(path)),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                != QMessageBox::Yes)
            return false;
    }
    QString error;
    if (!SettingsFile::write(path, currentSettings(), &error)) {
        reportFailure(tr("Could not save the camera settings to %1.\n%2"), path, error);
        return false;
    }
    fileName = path;
    showFileName();
    markSaved();
    return true;
}

// message takes the file as %1 and the reason as %2.
void mainWin::reportFailure(const QString &message, const QString &path, const QString &reason)
{
    prompts->warn(this, QStringLiteral("Sharpa"),
                  message.arg(QDir::toNativeSeparators(path), reason));
}

void mainWin::showFileName()
{
    setWindowTitle(QStringLiteral("Sharpa ") + fileName + QStringLiteral("[*]"));
}

CameraSettings mainWin::currentSettings() const
{
    CameraSettings settings;
    settings.leftBorder = DSB_leftBorder->value();
    settings.distanceCam = distanceCam->isChecked();
    settings.distanceFP = distanceFP->isChecked();
    settings.xScale = qxscale->value();
    settings.yScale = qyscale->value();
    for (int k = 0; k < 2; ++k) {
        const CameraControls c = controls(k);
        settings.cameras[std::size_t(k)] = {c.box->isChecked(), c.fdist->value(),
                                            c.apature->value(), c.flength->value(), c.coc->value()};
    }
    return settings;
}

void mainWin::applySettings(const CameraSettings &settings)
{
    // In file order, one control at a time: each value is echoed on its own
    // line, then set; the change recalculates as if typed, and the control
    // applies the range it has at that moment.
    const auto apply = [](auto value, auto &&setter) {
        std::cout << value << '\n';
        setter(value);
    };
    apply(settings.leftBorder, [this](double v) { DSB_leftBorder->setValue(v); });
    apply(settings.distanceCam, [this](bool v) { distanceCam->setChecked(v); });
    apply(settings.distanceFP, [this](bool v) { distanceFP->setChecked(v); });
    apply(settings.xScale, [this](int v) { qxscale->setValue(v); });
    apply(settings.yScale, [this](int v) { qyscale->setValue(v); });
    for (int k = 0; k < 2; ++k) {
        const CameraSettings::Camera &camera = settings.cameras[std::size_t(k)];
        const CameraControls c = controls(k);
        apply(camera.inUse, [&c](bool v) { c.box->setChecked(v); });
        apply(camera.fdist, [&c](double v) { c.fdist->setValue(v); });
        apply(camera.apature, [&c](double v) { c.apature->setValue(v); });
        apply(camera.flength, [&c](double v) { c.flength->setValue(v); });
        apply(camera.coc, [&c](double v) { c.coc->setValue(v); });
    }
}
