#pragma once

#include <QDialog>

class QPushButton;

// The about box: program name, version, makers and a credits page.
class TFAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFAbout(QWidget *parent = nullptr);
    void setTexts(const QString &caption, const QString &credits);

private:
    QPushButton *m_credits;
};
