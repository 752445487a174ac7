#include "mnemonicstyle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>

MnemonicStyle::MnemonicStyle(QStyle *base)
    : QProxyStyle(base)
{}

void MnemonicStyle::install()
{
    if (qobject_cast<MnemonicStyle *>(QApplication::style()))
        return;
    // The style the user or the platform chose, not Qt's default for the platform.
    auto *style = new MnemonicStyle(QStyleFactory::create(QApplication::style()->name()));
    QApplication::setStyle(style); // which owns it
    qApp->installEventFilter(style);
}

int MnemonicStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    const int base = QProxyStyle::styleHint(hint, option, widget, returnData);
    if (hint != SH_UnderlineShortcut || altHeld || qobject_cast<const QMenu *>(widget))
        return base;
    // Entered with Alt alone, or open: the bar is in use.
    if (const auto *bar = qobject_cast<const QMenuBar *>(widget); bar && bar->activeAction())
        return base;
    return 0;
}

bool MnemonicStyle::eventFilter(QObject *watched, QEvent *event)
{
    bool held = altHeld;
    const bool press = event->type() == QEvent::KeyPress;
    if ((press || event->type() == QEvent::KeyRelease)
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Alt)
        held = press;
    else if (event->type() == QEvent::ApplicationDeactivate)
        held = false; // released elsewhere
    if (held != altHeld) {
        altHeld = held;
        for (QWidget *window : QApplication::topLevelWidgets())
            window->update();
    }
    return QProxyStyle::eventFilter(watched, event);
}
