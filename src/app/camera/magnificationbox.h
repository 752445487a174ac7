#ifndef MAGNIFICATIONBOX_H
#define MAGNIFICATIONBOX_H

#include <QDoubleSpinBox>

// A magnification as photographers write it: 1:46, 1:2, 1:1, 2.5:1, 5:1; "–"
// where there is none. It takes a ratio, a plain number or one with "×".
// Up and Down step by a third of a doubling.
class MagnificationBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit MagnificationBox(QWidget *parent = nullptr);

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &text, int &pos) const override;

private:
    // The magnification in a text, or NaN.
    double parse(const QString &text) const;
};

#endif // MAGNIFICATIONBOX_H
