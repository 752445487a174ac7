#include "prompts.h"

#include "document/fileerrortext.h"
#include "document/pathtext.h"
#include "figuresizedialog.h"
#include "product.h"
#include "settings/safefile.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

Prompts::~Prompts() = default;

QString Prompts::openFileName(QWidget *parent, const QString &caption, const QString &directory,
                              const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                              const QString &filter, QString *selectedFilter)
{
    // Asked here rather than by the dialog, so that a name that cannot be
    // written (a folder, a pipe) is refused by the caller before any question.
    const QString name = QFileDialog::getSaveFileName(
        parent, caption, directory, filter, selectedFilter, QFileDialog::DontConfirmOverwrite);
    return name.isEmpty() || writeRefusal(name) || mayReplace(parent, name) ? name : QString();
}

void Prompts::warn(QWidget *parent, const QString &title, const QString &text)
{
    // Selectable, so that a file name or an address can be copied.
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

QMessageBox::StandardButton Prompts::ask(QWidget *parent, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QSize Prompts::figureSize(QWidget *parent, const QString &unit, const QSize &proposed,
                          const QSize &minimum, const QSize &maximum)
{
    FigureSizeDialog dialog(parent, unit, proposed, minimum, maximum);
    return dialog.exec() == QDialog::Accepted ? dialog.size() : QSize();
}

int Prompts::choose(QWidget *parent, const QString &title, const QString &label,
                    const QStringList &items)
{
    bool chosen = false;
    const QString item = QInputDialog::getItem(parent, title, label, items, 0, false, &chosen);
    return chosen ? int(items.indexOf(item)) : -1;
}

bool Prompts::setUpPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void Prompts::reportFailure(QWidget *parent, const QString &message, const QString &path,
                            const FileError &reason)
{
    warn(parent, productName, message.arg(pathText(path), fileErrorText(reason)));
}

bool Prompts::mayReplace(QWidget *parent, const QString &path)
{
    return !QFileInfo::exists(path)
        || ask(parent, productName,
               QCoreApplication::translate("mainWin",
                                           "%1 already exists.\nDo you want to replace it?")
                   .arg(pathText(path)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
