#ifndef DOCUMENT_H
#define DOCUMENT_H

#include "settings/camerasettings.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class FormModel;
class Prompts;
class QWidget;

// The camera settings file that the window shows: its name in the title,
// whether the form has changed since it was last loaded or saved, and the
// file actions New, Open (also by dropping a file), Save and Save as. Every
// action that would drop unsaved changes asks first.
class Document : public QObject
{
    Q_OBJECT

public:
    // Takes the model's start values for New; prompts is the window's,
    // looked up at each use because tests replace it.
    Document(QWidget *window, FormModel &model, const std::unique_ptr<Prompts> &prompts);
    ~Document() override;

    QString fileName() const;

    // True when the action may go on: nothing is lost, or the user saved
    // or discarded the changes; false on Cancel or a failed save.
    bool mayDiscardChanges();

    void newDocument();
    void open();
    void openFile(const QString &path);
    // A file as the system names it, in bytes that need not be valid UTF-8.
    void openNative(const QByteArray &path);
    bool save();
    bool saveAs();

    // A file chosen outside the dialog: dropped, or from the recent files.
    void openChosen(const QString &path);

    // Whether the model's values differ from the file's.
    bool hasUnsavedChanges() const;
    // Writes the unsaved changes to a file that only the program reads back;
    // false, saying why, where they could not be written.
    bool keepUnsaved(const QString &copy, FileError *error) const;
    // Puts changes kept so back in the model as unsaved changes to the named
    // file (none: a new document); false, after saying why, where they
    // cannot be read.
    bool restoreUnsaved(const QString &copy, const QString &fileName);

    // What the model holds now is what the file holds.
    void markSaved();
    // After every change: the title marks values that differ from the file's.
    void showModified();

protected:
    // The window takes a drag that carries exactly one local file, and
    // opens it when dropped.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The model took other values as a whole: a file's, or its start values.
    void replaced();
    // A file was opened or saved under this name.
    void fileNamed(const QString &path);
    // A file's values, or changes kept from an earlier run, replaced the
    // form's: what came before them cannot be undone.
    void opened();

private:
    bool saveFile(bool askForName);
    // Reports why the file could not be saved there; false.
    bool refuse(const QString &path, const FileError &reason);
    // The model's values with what a newer version of the file kept beside them.
    CameraSettings current() const;
    void setFileName(const QString &path);

    QWidget *window;
    FormModel &model;
    const std::unique_ptr<Prompts> &prompts;
    CameraSettings initial; // the model's start values, for New
    QString name;
    QByteArray saved; // the file's bytes as last loaded or saved
    // What the file last opened holds that only a newer version knows.
    QByteArray newerValues;
    quint16 newerVersion = 0;
};

#endif // DOCUMENT_H
