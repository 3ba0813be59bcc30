#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The question asked before leaving with a modified book.
class TFExit : public QDialog
{
    Q_OBJECT
public:
    enum Answer { Yes, No, Cancel };

    explicit TFExit(QWidget *parent = nullptr);

    // Texts come from the language file; empty ones keep the built-in caption.
    void setTexts(const QString &caption, const QString &question, const QString &yes, const QString &no,
                  const QString &cancel);
    Answer ask();

private:
    QLabel *m_label;
    QPushButton *m_yes, *m_no, *m_cancel;
    Answer m_answer = Cancel;
};
