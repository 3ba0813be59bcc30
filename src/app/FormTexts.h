#pragma once

class QComboBox;
class QGroupBox;
class QLabel;
class QString;
class QWidget;
struct Texts;

// Puts the language texts into the record form and the category pickers.
//
// Controls are found by object name under the form's root (the page
// control), so the texts reach whatever part of the form exists; a control
// that is not there is skipped. A field's label is the QLabel whose buddy
// is the field (or the field's label in a QFormLayout); its group is the
// nearest QGroupBox around it.
namespace FormTexts {

// The record form's tabs, labels, groups and children buttons, in the order
// of the language file's "Main Window" section: where two keys feed one
// control the later one stays, and the business page's address, e-mail and
// web labels repeat the general page's.
void apply(QWidget *formRoot, const Texts &texts);

// "Cat1" to "Cat8" on entries 0 to 7 of a category picker; a picker with
// fewer entries gets as many as it has. The picked entry stays picked.
void applyCategories(QComboBox *picker, const Texts &texts);

QLabel *labelFor(QWidget *formRoot, const QString &fieldName);
QGroupBox *groupOf(QWidget *formRoot, const QString &fieldName);

} // namespace FormTexts
