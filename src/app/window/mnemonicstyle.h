#ifndef MNEMONICSTYLE_H
#define MNEMONICSTYLE_H

#include <QProxyStyle>

// The platform's style, with the keys of menus and controls underlined only
// while Alt is held or the menu bar is in use, as desktops show them: the
// window reads cleanly, and Alt shows which letter to press. Open menus
// always show theirs.
class MnemonicStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Once for the application, before its first window shows.
    static void install();

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit MnemonicStyle(QStyle *base);

    bool altHeld = false;
};

#endif // MNEMONICSTYLE_H
