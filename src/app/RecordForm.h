#pragma once

#include "book/TEnreg.h"

#include <QString>
#include <QTabWidget>

#include <array>
#include <initializer_list>
#include <vector>

class DateEdit;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The record form `JvPageControl1`: three pages ("General" `TSGeneral`,
// "Buisness" `TSBuisness`, "Personal" `TSPersonal`) with a control for every
// field of a contact. Object names, for tests and the language texts:
//
// - edits `FlatEdit1` to `FlatEdit43`, memos `FlatMemo1` (street),
//   `FlatMemo3` (company street), `FlatMemoComments`; the date edit
//   `JvDateEdit1`; the category picker `ICBCat`; the children list
//   `ListView1` with its buttons `CorelButton1` (Add) and `CorelButton3`
//   (Delete);
// - each control's label is "Label" followed by the control's name
//   (`LabelFlatEdit1`, `LabelICBCat`, `LabelListView1`, ...) and is the
//   control's buddy;
// - the groups: `CivilAddressGroupBox`, `PhoneNumbersGroupBox`,
//   `ElecGroupBox` (General), `BusinessGB`, `PhoneGB`, `ElecGB` (Buisness),
//   `FamilyGB`, `MiscGroupBox` (Personal);
// - the small buttons behind the phone, e-mail, web and messenger edits,
//   `FlatSpeedButton1` to `FlatSpeedButton25` (see speedButtonClicked).
//
// The form only shows and collects texts; the main window decides when a
// change is written into the book (EditsLive) and into which record.
//
// Texts stay bytes: a control remembers the bytes it was filled from, and a
// control the user did not change gives exactly those bytes back, whatever
// they hold. A character the code page cannot store is replaced by "?" in
// the control as soon as it is typed, and the user is told.
class RecordForm : public QTabWidget
{
    Q_OBJECT
public:
    enum Page { General = 0, Buisness = 1, Personal = 2 };
    static constexpr int SpeedButtonCount = 25;

    explicit RecordForm(QWidget *parent = nullptr);

    // Fills every control from a record. The change signals fire as the
    // controls change; the caller ignores them while it fills (EditsLive off).
    void showRecord(const TEnreg &record);
    // Writes every control into the record: texts, the children in list
    // order from the first element on, and the picked category.
    void copyInto(TEnreg &record) const;
    // Empties every control, category "None", no children.
    void clear();

    // Editable, or read-only with the buttons behind the edits still usable.
    void setEditable(bool on);
    bool isEditable() const { return m_editable; }

    // The text a field's control shows now.
    QString text(int slot) const;
    QLineEdit *edit(int number) const;            // FlatEdit<number>, 1 to 43
    QWidget *control(int slot) const;             // the control of a text field
    QComboBox *categoryPicker() const { return m_category; }
    void setCategory(int position);
    QListWidget *childrenList() const { return m_children; }
    QPushButton *addChildButton() const { return m_addChild; }
    QPushButton *deleteChildButton() const { return m_deleteChild; }
    DateEdit *birthdayEdit() const { return m_birthday; }
    QToolButton *speedButton(int number) const { return m_speed[size_t(number - 1)]; }
    // The field whose edit a small button stands behind.
    static int speedButtonSlot(int number);

    // Adds an empty child and opens it for editing; with ten children
    // already, only beeps.
    void CorelButton1Click();
    // Removes the selected child.
    void CorelButton3Click();

signals:
    // A field other than the names changed.
    void fieldChanged(int slot);
    // The first name changed, or the title or nickname (which follow the
    // first name's rules); `source` is the edit typed in.
    void firstNameChanged(QLineEdit *source);
    void surnameChanged();
    void categoryChanged(int position);
    // A child was added, renamed or removed.
    void childrenChanged();
    // One of the small buttons behind the edits was pressed.
    void speedButtonClicked(int number, int slot);

private:
    enum class Kind { Line, Memo, Date };
    struct TextControl
    {
        int slot = 0;
        Kind kind = Kind::Line;
        QWidget *widget = nullptr;
        QByteArray stored;   // bytes the control was filled from
        QString shown;       // what the control showed right after filling
    };

    void buildGeneral(QWidget *page);
    void buildBusiness(QWidget *page);
    void buildPersonal(QWidget *page);
    QLineEdit *makeEdit(QWidget *parent, int number, int slot);
    QPlainTextEdit *makeMemo(QWidget *parent, const char *name, int slot);
    QLabel *makeLabel(QWidget *parent, QWidget *buddy, const char *caption);
    QToolButton *makeSpeedButton(QWidget *parent, int number);
    QGroupBox *makeGroup(QWidget *parent, const char *name, const char *caption);
    // A group of edits, each with its label and a small button behind it.
    struct ButtonRow
    {
        int number; // FlatEdit<number>
        int slot;
        const char *caption;
    };
    QGroupBox *makeButtonGroup(QWidget *page, const char *name, const char *caption, int firstButton,
                               std::initializer_list<ButtonRow> rows);
    static void stackPage(QWidget *page, QGroupBox *top, QGroupBox *left, QGroupBox *right);
    TextControl *find(int slot);
    const TextControl *find(int slot) const;
    QString currentText(const TextControl &c) const;
    void setControlText(TextControl &c, const QString &text);
    void onTextChanged(TextControl &c);
    // Replaces what the code page cannot hold; true when something was replaced.
    bool keepStorable(TextControl &c);
    void refreshChildButtons();
    void childEditEnded();

    std::vector<TextControl> m_texts;
    std::array<QLineEdit *, 44> m_edits{};
    std::array<QToolButton *, SpeedButtonCount> m_speed{};
    std::vector<QLabel *> m_labels;
    std::vector<QGroupBox *> m_groups;
    QComboBox *m_category = nullptr;
    int m_shownCategory = 0;
    int m_storedCategory = 0;
    QListWidget *m_children = nullptr;
    QPushButton *m_addChild = nullptr;
    QPushButton *m_deleteChild = nullptr;
    DateEdit *m_birthday = nullptr;
    bool m_editable = true;
    bool m_replacing = false;
};
