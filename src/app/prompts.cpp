#include "prompts.h"

#include <QFileDialog>
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
