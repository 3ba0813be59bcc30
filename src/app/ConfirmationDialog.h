#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// A Yes/No question with a warning image and a "Do not ask confirmation
// again" check box. The check box acts at once on the setting that decides
// whether the question is asked at all: ticked means "do not ask".
//
// Only "No" says no: closing the dialog through its title bar counts as
// "Yes". Escape is ignored rather than taken as an answer, so a reflex key
// press never deletes or reverts anything.
class ConfirmationDialog : public QDialog
{
    Q_OBJECT
public:
    enum Answer { Yes, No };

    // `askFlag` is the in-memory setting; it must outlive the dialog.
    ConfirmationDialog(bool &askFlag, QWidget *parent);

    // Texts from the language file; an empty text keeps the built-in one.
    void setTexts(const QString &caption, const QString &askAgain, const QString &yes, const QString &no);

    QString question() const;
    bool askAgainTicked() const;

protected:
    void setQuestion(const QString &text);
    Answer run();
    void keyPressEvent(QKeyEvent *e) override;

private:
    bool &m_ask;
    QLabel *m_question;
    QCheckBox *m_askAgain;
    QPushButton *m_yes, *m_no;
    Answer m_answer = Yes;
};
