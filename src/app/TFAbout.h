#pragma once

#include "settings/LanguageTarget.h"

#include <QDialog>

class QPushButton;

// The about box: program name, version, makers and a credits page.
class TFAbout : public QDialog, public LanguageTarget
{
    Q_OBJECT
public:
    explicit TFAbout(QWidget *parent = nullptr);
    void setTexts(const QString &caption, const QString &credits);
    void applyLanguage(const Texts &texts) override;

private:
    QPushButton *m_credits;
};
