#ifndef FIGURESIZEDIALOG_H
#define FIGURESIZEDIALOG_H

#include <QDialog>
#include <QSize>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for a figure's width and height in a unit ("px", "pt"). The range is
// said under the fields; a side outside it is named there and OK stays off,
// so that nothing typed is changed behind the user's back.
class FigureSizeDialog : public QDialog
{
    Q_OBJECT

public:
    FigureSizeDialog(QWidget *parent, const QString &unit, const QSize &proposed,
                     const QSize &minimum, const QSize &maximum);

    QSize size() const;

private:
    void check();

    QString unit;
    QSize minimum;
    QSize maximum;
    std::array<QLineEdit *, 2> sides{};
    QLabel *range = nullptr;
    QPushButton *ok = nullptr;
};

#endif // FIGURESIZEDIALOG_H
