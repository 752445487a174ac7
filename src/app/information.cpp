#include "information.h"

#include "mainwin.h"
#include "prompts.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

namespace Information {

namespace {
constexpr char host[] = "sharpa.example.org";
} // namespace

QUrl versionPage(const QString &version)
{
    return QUrl(QStringLiteral("http://") + QLatin1String(host) + QStringLiteral("/links/sharpa")
                + version + QStringLiteral(".html"));
}

} // namespace Information

void mainWin::about()
{
    QMessageBox box;
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    box.setText(tr("Sharpa\nVersion ") + version
                + tr("\nCopyright (C) 2026 The Sharpa developers\n"
                     "Free software under the MIT License, without any warranty."));
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(QStringLiteral("Sharpa"));
    box.setDefaultButton(ok);
    box.exec();
}

void mainWin::vcheck()
{
    const QUrl page = Information::versionPage(version);
    if (!QDesktopServices::openUrl(page))
        prompts->warn(this, QStringLiteral("Sharpa"),
                      tr("The version page could not be opened in a browser. Its address is\n%1")
                          .arg(page.toString()));
}

void mainWin::help()
{
    vcheck();
}
