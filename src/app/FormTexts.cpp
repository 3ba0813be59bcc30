#include "app/FormTexts.h"

#include "settings/Texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace {

enum class Kind { Tab, Label, Group, SameLabelAs, Button };

struct Step
{
    Kind kind;
    const char *key;    // "Main Window" key, null for SameLabelAs
    const char *target; // page, field or button object name
    const char *source; // SameLabelAs: the field whose label text is copied
};

// clang-format off
const Step kSteps[] = {
    {Kind::Tab, "FZandolinTSGeneral", "TSGeneral", nullptr},
    {Kind::Tab, "FZandolinTSBuisness", "TSBuisness", nullptr},
    {Kind::Tab, "FZandolinTSPersonal", "TSPersonal", nullptr},
    {Kind::Label, "FZandolinFirstName", "FlatEdit1", nullptr},
    {Kind::Label, "FZandolinSurname", "FlatEdit2", nullptr},
    {Kind::Label, "FZandolinStreet", "FlatMemo1", nullptr},
    {Kind::Label, "FZandolinCity", "FlatEdit4", nullptr},
    {Kind::Label, "FZandolinPostCode", "FlatEdit5", nullptr},
    {Kind::Label, "FZandolinProv", "FlatEdit6", nullptr},
    {Kind::Label, "FZandolinCountry", "FlatEdit7", nullptr},
    {Kind::Label, "FZandolinTitle", "FlatEdit3", nullptr},
    {Kind::Label, "FZandolinNickName", "FlatEdit14", nullptr},
    {Kind::Label, "FZandolinPersonnal", "FlatEdit8", nullptr},
    {Kind::Label, "FZandolinPersonnal2", "FlatEdit9", nullptr},
    {Kind::Label, "FZandolinPersonnal3", "FlatEdit40", nullptr},
    {Kind::Label, "FZandolinFax", "FlatEdit10", nullptr},
    {Kind::Label, "FZandolinWork", "FlatEdit11", nullptr},
    {Kind::Label, "FZandolinCellular", "FlatEdit12", nullptr},
    {Kind::Label, "FZandolinPager", "FlatEdit13", nullptr},
    {Kind::Label, "FZandolinBirthday", "JvDateEdit1", nullptr},
    {Kind::Label, "FZandolinEmail", "FlatEdit15", nullptr},
    {Kind::Label, "FZandolinEmail2", "FlatEdit18", nullptr},
    {Kind::Label, "FZandolinEmail3", "FlatEdit19", nullptr},
    {Kind::Label, "FZandolinWeb1", "FlatEdit16", nullptr},
    {Kind::Label, "FZandolinWeb2", "FlatEdit17", nullptr},
    {Kind::Group, "FZandolin.CivilAddressGroupBox", "FlatEdit1", nullptr},
    {Kind::Group, "FZandolin.PhoneNumbersGroupBox", "FlatEdit8", nullptr},
    {Kind::Group, "FZandolin.ElecGroupBox", "FlatEdit15", nullptr},
    {Kind::Group, "FZandolin.MiscGroupBox", "FlatMemoComments", nullptr},
    {Kind::Group, "FZandolin.BusinessGB", "FlatEdit27", nullptr},
    {Kind::Label, "FZandolinCompany", "FlatEdit27", nullptr},
    {Kind::SameLabelAs, nullptr, "FlatMemo3", "FlatMemo1"},
    {Kind::SameLabelAs, nullptr, "FlatEdit29", "FlatEdit4"},
    {Kind::SameLabelAs, nullptr, "FlatEdit30", "FlatEdit5"},
    {Kind::SameLabelAs, nullptr, "FlatEdit31", "FlatEdit6"},
    {Kind::SameLabelAs, nullptr, "FlatEdit32", "FlatEdit7"},
    {Kind::Group, "FZandolinPhoneGB", "FlatEdit33", nullptr},
    {Kind::Group, "FZandolinElecGB", "FlatEdit35", nullptr},
    {Kind::Group, "FZandolinCompAddressGB", "FlatEdit27", nullptr},
    {Kind::Group, "FZandolinFamilyGB", "FlatEdit39", nullptr},
    {Kind::Group, "FZandolinMiscGB", "FlatMemoComments", nullptr},
    {Kind::Label, "FZandolinTelex", "FlatEdit26", nullptr},
    {Kind::Label, "FZandolinCompCellular", "FlatEdit25", nullptr},
    {Kind::Label, "FZandolinAssistantFax", "FlatEdit24", nullptr},
    {Kind::Label, "FZandolinCompAssistant", "FlatEdit23", nullptr},
    {Kind::Label, "FZandolinOfficeFax", "FlatEdit21", nullptr},
    {Kind::Label, "FZandolinCompOffice", "FlatEdit20", nullptr},
    {Kind::Label, "FZandolinCompPhone", "FlatEdit33", nullptr},
    {Kind::SameLabelAs, nullptr, "FlatEdit35", "FlatEdit15"},
    {Kind::Label, "FZandolinCompFax", "FlatEdit34", nullptr},
    {Kind::SameLabelAs, nullptr, "FlatEdit36", "FlatEdit16"},
    {Kind::Label, "FZandolinDepartement", "FlatEdit22", nullptr},
    {Kind::Label, "FZandolinOffice", "FlatEdit28", nullptr},
    {Kind::Label, "FZandolinJob", "FlatEdit37", nullptr},
    {Kind::Label, "FZandolinAssistant", "FlatEdit38", nullptr},
    {Kind::SameLabelAs, nullptr, "FlatEdit42", "FlatEdit18"},
    {Kind::SameLabelAs, nullptr, "FlatEdit43", "FlatEdit19"},
    {Kind::Label, "FZandolinChildren", "ListView1", nullptr},
    {Kind::Label, "FZandolinSpouse", "FlatEdit39", nullptr},
    {Kind::Button, "FZandolinButtonAdd", "CorelButton1", nullptr},
    {Kind::Button, "FZandolinButtonDelete", "CorelButton3", nullptr},
};
// clang-format on

QWidget *child(QWidget *root, const char *name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == QLatin1String(name))
        return root;
    return root->findChild<QWidget *>(QLatin1String(name));
}

QTabWidget *tabsOf(QWidget *root, QWidget *page)
{
    if (auto *tabs = qobject_cast<QTabWidget *>(root))
        return tabs;
    for (QWidget *w = page ? page->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            return tabs;
    return nullptr;
}

} // namespace

namespace FormTexts {

QLabel *labelFor(QWidget *formRoot, const QString &fieldName)
{
    QWidget *field = formRoot ? formRoot->findChild<QWidget *>(fieldName) : nullptr;
    if (!field)
        return nullptr;
    for (QLabel *l : formRoot->findChildren<QLabel *>())
        if (l->buddy() == field)
            return l;
    // A widget in a layout belongs to the layout's widget: look there only.
    if (QWidget *w = field->parentWidget())
        for (QFormLayout *form : w->findChildren<QFormLayout *>())
            if (auto *l = qobject_cast<QLabel *>(form->labelForField(field)))
                return l;
    return nullptr;
}

QGroupBox *groupOf(QWidget *formRoot, const QString &fieldName)
{
    QWidget *field = formRoot ? formRoot->findChild<QWidget *>(fieldName) : nullptr;
    for (QWidget *w = field ? field->parentWidget() : nullptr; w && w != formRoot; w = w->parentWidget())
        if (auto *g = qobject_cast<QGroupBox *>(w))
            return g;
    return nullptr;
}

void apply(QWidget *formRoot, const Texts &texts)
{
    if (!formRoot)
        return;
    for (const Step &s : kSteps) {
        const QString target = QLatin1String(s.target);
        const QString text = s.key ? texts.text(u"Main Window", QLatin1String(s.key)) : QString();
        switch (s.kind) {
        case Kind::Tab: {
            QWidget *page = child(formRoot, s.target);
            if (QTabWidget *tabs = tabsOf(formRoot, page))
                if (const int i = tabs->indexOf(page); i >= 0)
                    tabs->setTabText(i, text);
            break;
        }
        case Kind::Label:
            if (QLabel *l = labelFor(formRoot, target))
                l->setText(text);
            break;
        case Kind::SameLabelAs: {
            QLabel *from = labelFor(formRoot, QLatin1String(s.source));
            QLabel *to = labelFor(formRoot, target);
            if (from && to)
                to->setText(from->text());
            break;
        }
        case Kind::Group:
            if (QGroupBox *g = groupOf(formRoot, target))
                g->setTitle(text);
            break;
        case Kind::Button:
            if (auto *b = qobject_cast<QAbstractButton *>(child(formRoot, s.target)))
                b->setText(text);
            break;
        }
    }
}

void applyCategories(QComboBox *picker, const Texts &texts)
{
    if (!picker)
        return;
    const int n = qMin(picker->count(), 8);
    for (int i = 0; i < n; ++i)
        picker->setItemText(i, texts.text(u"Categories", QStringLiteral("Cat%1").arg(i + 1)));
}

} // namespace FormTexts
