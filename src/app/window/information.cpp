#include "information.h"

#include "product.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

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

void showUserGuide(QWidget *window)
{
    auto *guide = window->findChild<QDialog *>(QStringLiteral("userGuide"));
    if (!guide) {
        guide = new QDialog(window);
        guide->setObjectName(QStringLiteral("userGuide"));
        guide->setWindowTitle(QCoreApplication::translate("mainWin", "Sharpa User Guide"));
        auto *text = new QTextBrowser(guide);
        text->setObjectName(QStringLiteral("guideText"));
        text->setOpenExternalLinks(true);
        const bool german = QLocale().language() == QLocale::German;
        text->setSource(QUrl(german ? QStringLiteral("qrc:/guide/guide-de.html")
                                    : QStringLiteral("qrc:/guide/guide-en.html")));
        (new QVBoxLayout(guide))->addWidget(text);
        guide->resize(1080, 700);
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
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
