#include "prompts.h"

#include "pathtext.h"
#include "product.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QMessageBox>
#include <QSpinBox>

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
    return name.isEmpty() || !writeRefusal(name).isEmpty() || mayReplace(parent, name) ? name
                                                                                       : QString();
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

QSize Prompts::figureSize(QWidget *parent, const QString &unit, const QSize &proposed)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("figureSize"));
    dialog.setWindowTitle(QCoreApplication::translate("mainWin", "Figure Size"));
    auto *form = new QFormLayout(&dialog);
    std::array<QSpinBox *, 2> sides{};
    for (std::size_t k = 0; k < sides.size(); ++k) {
        sides[k] = new QSpinBox(&dialog);
        sides[k]->setRange(40, 20000);
        sides[k]->setSuffix(QLatin1Char(' ') + unit);
        sides[k]->setValue(k == 0 ? proposed.width() : proposed.height());
        form->addRow(k == 0 ? QCoreApplication::translate("mainWin", "Width:")
                            : QCoreApplication::translate("mainWin", "Height:"),
                     sides[k]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    return dialog.exec() == QDialog::Accepted ? QSize(sides[0]->value(), sides[1]->value())
                                              : QSize();
}

void Prompts::reportFailure(QWidget *parent, const QString &message, const QString &path,
                            const QString &reason)
{
    warn(parent, productName, message.arg(pathText(path), reason));
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
