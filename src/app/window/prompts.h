#ifndef PROMPTS_H
#define PROMPTS_H

#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;
struct FileError;

// Where the window asks the user for a file or a decision and reports a failure.
// Tests put their own answers in place of the dialogs.
class Prompts
{
public:
    virtual ~Prompts();

    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter);
    // selectedFilter, when given, names the filter shown first and returns the one chosen.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter, QString *selectedFilter = nullptr);
    virtual void warn(QWidget *parent, const QString &title, const QString &text);
    // A question; returns the button chosen.
    virtual QMessageBox::StandardButton ask(QWidget *parent, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);

    // The size of a figure, in the unit named ("px", "pt"), starting from the
    // proposed one and within the range; an empty size where the user cancels.
    virtual QSize figureSize(QWidget *parent, const QString &unit, const QSize &proposed,
                             const QSize &minimum, const QSize &maximum);

    // One of the items, by its place; -1 where the user cancels.
    virtual int choose(QWidget *parent, const QString &title, const QString &label,
                       const QStringList &items);
    // The platform's print dialog for the printer; false where the user cancels.
    virtual bool setUpPrinter(QWidget *parent, QPrinter &printer);

    // A warning that message, with the file as %1 and the reason as %2, failed.
    void reportFailure(QWidget *parent, const QString &message, const QString &path,
                       const FileError &reason);
    // Whether a file that the user did not name as such may be replaced:
    // true where none exists or the user says Yes.
    bool mayReplace(QWidget *parent, const QString &path);
};

#endif // PROMPTS_H
