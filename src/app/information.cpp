#include "information.h"

#include "product.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

namespace Information {

namespace {
constexpr char host[] = "sharpa.example.org";
} // namespace

QUrl versionPage(const QString &version)
{
    return QUrl(QStringLiteral("http://%1/links/sharpa%2.html").arg(QLatin1String(host), version));
}

void showAbout(const QString &version)
{
    QMessageBox box;
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    box.setText(QCoreApplication::translate("mainWin",
                                            "%1\nVersion %2\n"
                                            "Copyright (C) 2026 The %1 developers\n"
                                            "Free software under the MIT License, without any "
                                            "warranty.")
                    .arg(productName, version));
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(productName);
    box.setDefaultButton(ok);
    box.exec();
}

void openVersionPage(QWidget *parent, Prompts &prompts, const QString &version)
{
    const QUrl page = versionPage(version);
    if (!QDesktopServices::openUrl(page))
        prompts.warn(
            parent, productName,
            QCoreApplication::translate(
                "mainWin", "The version page could not be opened in a browser. Its address is\n%1")
                .arg(page.toString()));
}

} // namespace Information
