#include "prompts.h"

#include "product.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

Prompts::~Prompts() = default;

QString Prompts::openFileName(QWidget *parent, const QString &caption, const QString &directory,
                              const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                              const QString &filter, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, caption, directory, filter, selectedFilter);
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

void Prompts::reportFailure(QWidget *parent, const QString &message, const QString &path,
                            const QString &reason)
{
    warn(parent, productName, message.arg(QDir::toNativeSeparators(path), reason));
}

bool Prompts::mayReplace(QWidget *parent, const QString &path)
{
    return !QFileInfo::exists(path)
        || ask(parent, productName,
               QCoreApplication::translate("mainWin",
                                           "%1 already exists.\nDo you want to replace it?")
                   .arg(QDir::toNativeSeparators(path)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}
