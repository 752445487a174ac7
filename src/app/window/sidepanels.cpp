#include "sidepanels.h"

#include "ui_mainwin.h"

#include <QAction>
#include <QSettings>
#include <QTabBar>

#include <algorithm>

namespace {
const QString frontKey = QStringLiteral("view/front");
}

SidePanels::SidePanels(const Ui_mainWin &form)
    : QTabWidget(form.centralwidget)
    , menu(form.menuView)
    , front(QSettings().value(frontKey).toString())
{
    setObjectName(QStringLiteral("sidePanels"));
    // Framed by its panels alone, as wide as the widest, the chart taking the rest.
    setDocumentMode(true);
    setTabBarAutoHide(true);
    setTabsClosable(true);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    hide();
    form.chartRow->addWidget(this);
    connect(this, &QTabWidget::tabCloseRequested, this,
            [this](int index) { switches[panels.indexOf(widget(index))]->setChecked(false); });
    connect(tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0)
            remember(widget(index));
    });
}

QAction *SidePanels::add(QWidget *panel, const QString &settingsKey, bool shownFirst)
{
    auto *toggle = new QAction(panel->windowTitle(), this);
    toggle->setCheckable(true);
    toggle->setToolTip(panel->accessibleDescription());
    panels << panel;
    switches << toggle;
    menu->addAction(toggle);
    const int index = int(panels.size()) - 1;
    panel->hide();
    if (QSettings().value(settingsKey, shownFirst).toBool()) {
        toggle->setChecked(true);
        turn(index, true);
    }
    connect(toggle, &QAction::toggled, this, [this, index, settingsKey](bool on) {
        QSettings().setValue(settingsKey, on);
        // Switched on, in front.
        if (on)
            remember(panels[index]);
        turn(index, on);
    });
    return toggle;
}

void SidePanels::turn(int panel, bool on)
{
    QWidget *shown = panels[panel];
    if (!on) {
        removeTab(indexOf(shown));
        shown->hide();
    } else {
        // In its place among those that are on.
        int place = 0;
        for (int k = 0; k < panel; ++k)
            place += switches[k]->isChecked() ? 1 : 0;
        // Without the menu entry's key, which the menu bar's own keys would meet.
        insertTab(place, shown, switches[panel]->iconText());
        if (shown->objectName() == front || count() == 1)
            setCurrentWidget(shown);
    }
    setVisible(count() > 0);
}

void SidePanels::bringForward(QWidget *panel)
{
    remember(panel);
    switches[panels.indexOf(panel)]->setChecked(true);
    setCurrentWidget(panel);
}

void SidePanels::remember(const QWidget *inFront)
{
    front = inFront->objectName();
    QSettings().setValue(frontKey, front);
}

QSize SidePanels::sizeHint() const
{
    return fitting(&QWidget::sizeHint);
}

QSize SidePanels::minimumSizeHint() const
{
    return fitting(&QWidget::minimumSizeHint);
}

QSize SidePanels::fitting(QSize (QWidget::*hint)() const) const
{
    QSize size(0, 0);
    for (int k = 0; k < count(); ++k)
        size = size.expandedTo((widget(k)->*hint)());
    if (count() > 1) {
        const QSize tabs = tabBar()->minimumSizeHint();
        size = QSize(std::max(size.width(), tabs.width()), size.height() + tabs.height());
    }
    return size;
}
