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
    QMessageBox::warning(parent, title, text);
}
