#pragma once

#include <QDialog>

class BirthdayList;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The birthday reminders window: shown beside the main window, on top of the
// other windows, in the middle of the screen. A click on a row asks the
// owner to select that contact.
class TFBirthday : public QDialog
{
    Q_OBJECT
public:
    explicit TFBirthday(QWidget *parent = nullptr);

    // Texts of the language file (section "Birthday").
    void setTexts(const QString &title, const QString &label, const QString &col0, const QString &col1,
                  const QString &col2);
    // Shows the rows of `list` (the list of the book loaded last).
    void setList(const BirthdayList &list);
    // Shows the window in the middle of the screen, above the others.
    void showCentred();

    QTreeWidget *rows() const { return m_list; }

signals:
    // A row was clicked: select contact `record` in the contact list.
    void recordChosen(int record);

private:
    void JBirthdayClick(QTreeWidgetItem *item);

    QLabel *m_label;
    QTreeWidget *m_list;
};
