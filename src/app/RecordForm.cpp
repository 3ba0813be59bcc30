#include "app/RecordForm.h"

#include "core/Codec.h"
#include "core/ShortDate.h"
#include "platform/Dialogs.h"
#include "ui/DateEdit.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr int kStoredRole = Qt::UserRole;     // a child's bytes as filled
constexpr int kShownRole = Qt::UserRole + 1;  // its caption as filled

enum class ButtonKind { Phone, Mail, Web, Messenger };

// The small buttons behind the edits, in number order: the edit's field.
struct SpeedButtonInfo
{
    int slot;
    ButtonKind kind;
};
constexpr std::array<SpeedButtonInfo, RecordForm::SpeedButtonCount> kSpeedButtons = {{
    {TEnreg::PhoneNumber1, ButtonKind::Phone},   {TEnreg::PhoneNumber2, ButtonKind::Phone},
    {TEnreg::PhoneNumber3, ButtonKind::Phone},   {TEnreg::FaxNumber, ButtonKind::Phone},
    {TEnreg::WorkNumber, ButtonKind::Phone},     {TEnreg::MobileNumber, ButtonKind::Phone},
    {TEnreg::PagerNumber, ButtonKind::Phone},    {TEnreg::EMail1, ButtonKind::Mail},
    {TEnreg::EMail2, ButtonKind::Mail},          {TEnreg::EMail3, ButtonKind::Mail},
    {TEnreg::Web1, ButtonKind::Web},             {TEnreg::Web2, ButtonKind::Web},
    {TEnreg::Icq, ButtonKind::Messenger},        {TEnreg::CompanyPhone, ButtonKind::Phone},
    {TEnreg::CompanyFax, ButtonKind::Phone},     {TEnreg::OfficePhone, ButtonKind::Phone},
    {TEnreg::OfficeFax, ButtonKind::Phone},      {TEnreg::AssistantPhone, ButtonKind::Phone},
    {TEnreg::AssistantFax, ButtonKind::Phone},   {TEnreg::CompanyMobile, ButtonKind::Phone},
    {TEnreg::Telex, ButtonKind::Phone},          {TEnreg::CompanyEMail1, ButtonKind::Mail},
    {TEnreg::CompanyEMail2, ButtonKind::Mail},   {TEnreg::CompanyEMail3, ButtonKind::Mail},
    {TEnreg::CompanyWeb, ButtonKind::Web},
}};

QIcon buttonIcon(ButtonKind kind)
{
    QPixmap pm(14, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case ButtonKind::Phone: {
        // A handset.
        QPainterPath path;
        path.moveTo(2, 4);
        path.cubicTo(2, 1.5, 5, 1.5, 5.5, 3.5);
        path.lineTo(4.5, 5.5);
        path.cubicTo(5, 7.5, 6.5, 9, 8.5, 9.5);
        path.lineTo(10.5, 8.5);
        path.cubicTo(12.5, 9, 12.5, 12, 10, 12);
        path.cubicTo(5.5, 12, 2, 8.5, 2, 4);
        p.setPen(QPen(QColor(20, 90, 40), 0.8));
        p.setBrush(QColor(50, 150, 70));
        p.drawPath(path);
        break;
    }
    case ButtonKind::Mail:
        p.setPen(QPen(QColor(150, 60, 30), 1.0));
        p.setBrush(QColor(250, 235, 200));
        p.drawRect(QRectF(1.5, 3.5, 11, 7.5));
        p.drawLine(QPointF(1.5, 3.5), QPointF(7, 8));
        p.drawLine(QPointF(12.5, 3.5), QPointF(7, 8));
        break;
    case ButtonKind::Web:
        p.setPen(QPen(QColor(20, 80, 160), 1.0));
        p.setBrush(QColor(150, 200, 245));
        p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(4.5, 1.5, 5, 11));
        p.drawLine(QPointF(1.5, 7), QPointF(12.5, 7));
        break;
    case ButtonKind::Messenger:
        // A flower of five petals.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 170, 60));
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(7, 7);
            p.rotate(i * 72.0);
            p.drawEllipse(QRectF(-1.8, -6, 3.6, 4.6));
            p.restore();
        }
        p.setBrush(QColor(230, 60, 40));
        p.drawEllipse(QRectF(5, 5, 4, 4));
        break;
    }
    return QIcon(pm);
}

void tightGrid(QGridLayout *g)
{
    g->setContentsMargins(6, 4, 6, 6);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
}

// A stored multi-line text as the memo shows it: every CR LF, CR or LF is
// one line break (the memo would take CR and LF as two).
QString memoText(const QString &stored)
{
    QString t = stored;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace

int RecordForm::speedButtonSlot(int number)
{
    return number >= 1 && number <= SpeedButtonCount ? kSpeedButtons[size_t(number - 1)].slot : -1;
}

RecordForm::RecordForm(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("JvPageControl1"));
    const char *names[] = {"TSGeneral", "TSBuisness", "TSPersonal"};
    const char *captions[] = {"General", "Buisness", "Personal"};
    for (int i = 0; i < 3; ++i) {
        auto *page = new QWidget(this);
        page->setObjectName(QString::fromLatin1(names[i]));
        addTab(page, QString::fromLatin1(captions[i]));
    }
    buildGeneral(widget(General));
    buildBusiness(widget(Buisness));
    buildPersonal(widget(Personal));

    connect(this, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == Personal)
            m_deleteChild->setEnabled(false);
    });
    for (TextControl &c : m_texts) {
        TextControl *pc = &c;
        if (c.kind == Kind::Memo)
            connect(static_cast<QPlainTextEdit *>(c.widget), &QPlainTextEdit::textChanged, this,
                    [this, pc] { onTextChanged(*pc); });
        else
            connect(static_cast<QLineEdit *>(c.widget), &QLineEdit::textChanged, this,
                    [this, pc] { onTextChanged(*pc); });
    }
    connect(m_category, &QComboBox::currentIndexChanged, this, [this](int i) { emit categoryChanged(i); });
    clear();
}

// ---------------------------------------------------------------- building

QGroupBox *RecordForm::makeGroup(QWidget *parent, const char *name, const char *caption)
{
    auto *g = new QGroupBox(QString::fromLatin1(caption), parent);
    g->setObjectName(QString::fromLatin1(name));
    m_groups.push_back(g);
    return g;
}

QLineEdit *RecordForm::makeEdit(QWidget *parent, int number, int slot)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("FlatEdit%1").arg(number));
    // A field may hold any length; the edit must not cut it.
    e->setMaxLength(std::numeric_limits<int>::max());
    m_edits[size_t(number)] = e;
    m_texts.push_back({slot, Kind::Line, e, {}, {}});
    return e;
}

QPlainTextEdit *RecordForm::makeMemo(QWidget *parent, const char *name, int slot)
{
    auto *m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setTabChangesFocus(true);
    m_texts.push_back({slot, Kind::Memo, m, {}, {}});
    return m;
}

QLabel *RecordForm::makeLabel(QWidget *parent, QWidget *buddy, const char *caption)
{
    auto *l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QStringLiteral("Label") + buddy->objectName());
    l->setBuddy(buddy);
    m_labels.push_back(l);
    return l;
}

QToolButton *RecordForm::makeSpeedButton(QWidget *parent, int number)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QStringLiteral("FlatSpeedButton%1").arg(number));
    b->setIcon(buttonIcon(kSpeedButtons[size_t(number - 1)].kind));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    m_speed[size_t(number - 1)] = b;
    connect(b, &QToolButton::clicked, this, [this, number] { emit speedButtonClicked(number, speedButtonSlot(number)); });
    return b;
}

QGroupBox *RecordForm::makeButtonGroup(QWidget *page, const char *name, const char *caption, int firstButton,
                                       std::initializer_list<ButtonRow> rows)
{
    auto *box = makeGroup(page, name, caption);
    auto *grid = new QGridLayout(box);
    tightGrid(grid);
    int row = 0, button = firstButton;
    for (const ButtonRow &r : rows) {
        QLineEdit *e = makeEdit(box, r.number, r.slot);
        grid->addWidget(makeLabel(box, e, r.caption), row, 0);
        grid->addWidget(e, row, 1);
        grid->addWidget(makeSpeedButton(box, button++), row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return box;
}

// The address group on top, taking the height; the two button groups side by side below.
void RecordForm::stackPage(QWidget *page, QGroupBox *top, QGroupBox *left, QGroupBox *right)
{
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    v->setSpacing(4);
    v->addWidget(top, 1);
    auto *h = new QHBoxLayout;
    h->setSpacing(4);
    h->addWidget(left, 1);
    h->addWidget(right, 1);
    v->addLayout(h);
}

void RecordForm::buildGeneral(QWidget *page)
{
    auto *civic = makeGroup(page, "CivilAddressGroupBox", "Civic Address");
    auto *g = new QGridLayout(civic);
    tightGrid(g);
    auto pair = [&](int row, int col, int number, int slot, const char *caption) {
        QLineEdit *e = makeEdit(civic, number, slot);
        g->addWidget(makeLabel(civic, e, caption), row, col);
        g->addWidget(e, row, col + 1);
    };
    pair(0, 0, 1, TEnreg::Name, "Fisrt Name:");
    pair(0, 2, 3, TEnreg::Title, "Title :");
    pair(1, 0, 2, TEnreg::Surname, "Surname:");
    pair(1, 2, 14, TEnreg::Nickname, "Nickname :");
    QPlainTextEdit *street = makeMemo(civic, "FlatMemo1", TEnreg::Street);
    g->addWidget(makeLabel(civic, street, "Street:"), 2, 0, Qt::AlignTop);
    g->addWidget(street, 2, 1, 1, 3);
    pair(3, 0, 4, TEnreg::City, "City:");
    pair(3, 2, 5, TEnreg::PostalCode, "Post. Code:");
    pair(4, 0, 6, TEnreg::State, "Prov/State:");
    pair(4, 2, 7, TEnreg::Country, "Country:");
    m_category = new QComboBox(civic);
    m_category->setObjectName(QStringLiteral("ICBCat"));
    m_category->setIconSize(QSize(16, 16));
    g->addWidget(makeLabel(civic, m_category, "Categorie :"), 5, 0);
    g->addWidget(m_category, 5, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(2, 1);

    auto *phones = makeButtonGroup(page, "PhoneNumbersGroupBox", "Phone numbers", 1,
                             {{8, TEnreg::PhoneNumber1, "Personal:"},
                              {9, TEnreg::PhoneNumber2, "Personal2:"},
                              {40, TEnreg::PhoneNumber3, "Personal3:"},
                              {10, TEnreg::FaxNumber, "Fax:"},
                              {11, TEnreg::WorkNumber, "Work:"},
                              {12, TEnreg::MobileNumber, "Mobile:"},
                              {13, TEnreg::PagerNumber, "Pager:"}});
    auto *elec = makeButtonGroup(page, "ElecGroupBox", "Electronic address/Birthday", 8,
                           {{15, TEnreg::EMail1, "E Mail:"},
                            {18, TEnreg::EMail2, "E Mail2:"},
                            {19, TEnreg::EMail3, "E Mail3:"},
                            {16, TEnreg::Web1, "Web Site 1:"},
                            {17, TEnreg::Web2, "Web Site 2:"},
                            {41, TEnreg::Icq, "ICQ:"}});

    stackPage(page, civic, phones, elec);

    // Built in rows for the layout; the tab order follows the fields' order.
    setTabOrder(edit(1), edit(2));
    setTabOrder(edit(2), edit(3));
    setTabOrder(edit(3), edit(14));
    setTabOrder(edit(14), street);
    setTabOrder(street, edit(4));
    setTabOrder(edit(4), edit(5));
    setTabOrder(edit(5), edit(6));
    setTabOrder(edit(6), edit(7));
    setTabOrder(edit(7), m_category);
}

void RecordForm::buildBusiness(QWidget *page)
{
    auto *info = makeGroup(page, "BusinessGB", "Buisness Information");
    auto *g = new QGridLayout(info);
    tightGrid(g);
    auto pair = [&](int row, int col, int number, int slot, const char *caption) {
        QLineEdit *e = makeEdit(info, number, slot);
        g->addWidget(makeLabel(info, e, caption), row, col);
        g->addWidget(e, row, col + 1);
    };
    QLineEdit *company = makeEdit(info, 27, TEnreg::Company);
    g->addWidget(makeLabel(info, company, "Company:"), 0, 0);
    g->addWidget(company, 0, 1, 1, 3);
    QPlainTextEdit *street = makeMemo(info, "FlatMemo3", TEnreg::CompanyStreet);
    g->addWidget(makeLabel(info, street, "Street:"), 1, 0, Qt::AlignTop);
    g->addWidget(street, 1, 1, 1, 3);
    pair(2, 0, 29, TEnreg::CompanyCity, "City:");
    pair(2, 2, 30, TEnreg::CompanyPostCode, "Post. Code:");
    pair(3, 0, 31, TEnreg::CompanyState, "Prov/State:");
    pair(3, 2, 32, TEnreg::CompanyCountry, "Country:");
    pair(4, 0, 22, TEnreg::Department, "Departement");
    pair(4, 2, 28, TEnreg::Office, "Office");
    pair(5, 0, 37, TEnreg::JobTitle, "Job title:");
    pair(5, 2, 38, TEnreg::Assistant, "Assistante:");
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(1, 1);

    auto *phones = makeButtonGroup(page, "PhoneGB", "Company phones number", 14,
                             {{33, TEnreg::CompanyPhone, "Company phone:"},
                              {34, TEnreg::CompanyFax, "Company Fax:"},
                              {20, TEnreg::OfficePhone, "Office phone:"},
                              {21, TEnreg::OfficeFax, "Office Fax:"},
                              {23, TEnreg::AssistantPhone, "Assitant Phone:"},
                              {24, TEnreg::AssistantFax, "Assistant  Fax:"},
                              {25, TEnreg::CompanyMobile, "Mobile:"},
                              {26, TEnreg::Telex, "Telex"}});
    auto *elec = makeButtonGroup(page, "ElecGB", "Company electronic address", 22,
                           {{35, TEnreg::CompanyEMail1, "E Mail"},
                            {42, TEnreg::CompanyEMail2, "E Mail"},
                            {43, TEnreg::CompanyEMail3, "E Mail"},
                            {36, TEnreg::CompanyWeb, "Web site:"}});

    stackPage(page, info, phones, elec);
}

void RecordForm::buildPersonal(QWidget *page)
{
    auto *family = makeGroup(page, "FamilyGB", "Family");
    auto *g = new QGridLayout(family);
    tightGrid(g);
    // Birthdays are written in the format the birthday reminders read.
    m_birthday = new DateEdit(family, QString::fromLatin1(ShortDate::Format));
    m_birthday->setObjectName(QStringLiteral("JvDateEdit1"));
    m_texts.push_back({TEnreg::Birthday, Kind::Date, m_birthday, {}, {}});
    g->addWidget(makeLabel(family, m_birthday, "Birthday:"), 0, 0);
    g->addWidget(m_birthday, 0, 1);
    QLineEdit *spouse = makeEdit(family, 39, TEnreg::Spouse);
    g->addWidget(makeLabel(family, spouse, "Spouse:"), 1, 0);
    g->addWidget(spouse, 1, 1, 1, 2);

    m_children = new QListWidget(family);
    m_children->setObjectName(QStringLiteral("ListView1"));
    m_children->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_children->setSelectionMode(QAbstractItemView::SingleSelection);
    g->addWidget(makeLabel(family, m_children, "Childrens:"), 2, 0, Qt::AlignTop);
    g->addWidget(m_children, 2, 1);
    auto *buttons = new QVBoxLayout;
    m_addChild = new QPushButton(QStringLiteral("Add"), family);
    m_addChild->setObjectName(QStringLiteral("CorelButton1"));
    m_deleteChild = new QPushButton(QStringLiteral("Delete"), family);
    m_deleteChild->setObjectName(QStringLiteral("CorelButton3"));
    m_deleteChild->setEnabled(false);
    buttons->addWidget(m_addChild);
    buttons->addWidget(m_deleteChild);
    buttons->addStretch(1);
    g->addLayout(buttons, 2, 2);
    g->setColumnStretch(1, 1);
    g->setRowStretch(2, 1);
    m_birthday->setMaximumWidth(m_birthday->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 40);

    auto *misc = makeGroup(page, "MiscGroupBox", "Comments:");
    auto *mv = new QVBoxLayout(misc);
    mv->setContentsMargins(6, 4, 6, 6);
    mv->addWidget(makeMemo(misc, "FlatMemoComments", TEnreg::Comment));

    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    v->setSpacing(4);
    v->addWidget(family, 2);
    v->addWidget(misc, 3);

    connect(m_addChild, &QPushButton::clicked, this, &RecordForm::CorelButton1Click);
    connect(m_deleteChild, &QPushButton::clicked, this, &RecordForm::CorelButton3Click);
    connect(m_children, &QListWidget::itemSelectionChanged, this, &RecordForm::refreshChildButtons);
    connect(m_children, &QListWidget::itemDoubleClicked, this, &RecordForm::refreshChildButtons);
    connect(m_children->itemDelegate(), &QAbstractItemDelegate::closeEditor, this, &RecordForm::childEditEnded);
}

// ---------------------------------------------------------------- controls

QLineEdit *RecordForm::edit(int number) const
{
    return number >= 1 && number <= 43 ? m_edits[size_t(number)] : nullptr;
}

RecordForm::TextControl *RecordForm::find(int slot)
{
    for (TextControl &c : m_texts)
        if (c.slot == slot)
            return &c;
    return nullptr;
}

const RecordForm::TextControl *RecordForm::find(int slot) const
{
    for (const TextControl &c : m_texts)
        if (c.slot == slot)
            return &c;
    return nullptr;
}

QWidget *RecordForm::control(int slot) const
{
    const TextControl *c = find(slot);
    return c ? c->widget : nullptr;
}

QString RecordForm::currentText(const TextControl &c) const
{
    switch (c.kind) {
    case Kind::Memo: return static_cast<QPlainTextEdit *>(c.widget)->toPlainText();
    case Kind::Date: return static_cast<DateEdit *>(c.widget)->dateText();
    case Kind::Line: break;
    }
    return static_cast<QLineEdit *>(c.widget)->text();
}

QString RecordForm::text(int slot) const
{
    const TextControl *c = find(slot);
    return c ? currentText(*c) : QString();
}

void RecordForm::setControlText(TextControl &c, const QString &text)
{
    switch (c.kind) {
    case Kind::Memo: static_cast<QPlainTextEdit *>(c.widget)->setPlainText(memoText(text)); break;
    case Kind::Date: static_cast<DateEdit *>(c.widget)->setDateText(text); break;
    case Kind::Line: {
        auto *e = static_cast<QLineEdit *>(c.widget);
        e->setText(text);
        e->setCursorPosition(0); // a long text shows its beginning
        break;
    }
    }
}

void RecordForm::setCategory(int position)
{
    m_category->setCurrentIndex(position);
}

// ---------------------------------------------------------------- show, copy, clear

void RecordForm::showRecord(const TEnreg &record)
{
    for (TextControl &c : m_texts) {
        c.stored = record.textCopy(c.slot);
        setControlText(c, Codec::decode(c.stored));
        c.shown = currentText(c);
    }
    m_storedCategory = record.Category;
    setCategory(record.Category);
    m_shownCategory = m_category->currentIndex();
    m_children->clear();
    // Children are listed from the first name on, without the gaps a file
    // written elsewhere may have.
    for (int i = 0; i < TEnreg::ChildCount; ++i) {
        const QByteArrayView child = record.child(i);
        if (child.isEmpty())
            continue;
        auto *item = new QListWidgetItem(Codec::decode(child), m_children);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setData(kStoredRole, child.toByteArray());
        item->setData(kShownRole, item->text());
    }
    refreshChildButtons();
}

void RecordForm::copyInto(TEnreg &record) const
{
    // Every text of the record is rewritten at once, in one allocation.
    std::array<QByteArray, TEnreg::TextCount> bytes;
    for (const TextControl &c : m_texts) {
        const QString now = currentText(c);
        if (now == c.shown) {
            bytes[size_t(c.slot)] = c.stored;
        } else if (c.kind == Kind::Memo) {
            QString lines = now;
            lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
            bytes[size_t(c.slot)] = Codec::encode(lines);
        } else {
            bytes[size_t(c.slot)] = Codec::encode(now);
        }
    }
    int child = 0;
    for (int i = 0; i < m_children->count() && child < TEnreg::ChildCount; ++i) {
        const QListWidgetItem *item = m_children->item(i);
        const QString caption = item->text();
        if (caption.isEmpty())
            continue; // an entry never named is no child
        bytes[size_t(TEnreg::Children0 + child++)] = caption == item->data(kShownRole).toString()
                                                         ? item->data(kStoredRole).toByteArray()
                                                         : Codec::encode(caption);
    }
    std::array<QByteArrayView, TEnreg::TextCount> views;
    for (size_t i = 0; i < views.size(); ++i)
        views[i] = bytes[i];
    record.setTexts(views);
    // A category the picker cannot show (a number beyond the table) stays as
    // it was until the user picks another.
    const int picked = m_category->currentIndex();
    record.Category = picked == m_shownCategory ? m_storedCategory : picked;
}

void RecordForm::clear()
{
    for (TextControl &c : m_texts) {
        c.stored.clear();
        setControlText(c, QString());
        c.shown = currentText(c);
    }
    m_storedCategory = 0;
    setCategory(0);
    m_shownCategory = m_category->currentIndex();
    m_children->clear();
    refreshChildButtons();
}

void RecordForm::setEditable(bool on)
{
    m_editable = on;
    for (TextControl &c : m_texts) {
        switch (c.kind) {
        case Kind::Memo: static_cast<QPlainTextEdit *>(c.widget)->setReadOnly(!on); break;
        case Kind::Date: static_cast<DateEdit *>(c.widget)->setEditable(on); break;
        case Kind::Line: static_cast<QLineEdit *>(c.widget)->setReadOnly(!on); break;
        }
    }
    for (QLabel *l : m_labels)
        l->setEnabled(on);
    m_category->setEnabled(on);
    m_children->setEnabled(on);
    m_addChild->setEnabled(on);
    if (!on)
        m_deleteChild->setEnabled(false);
}

// ---------------------------------------------------------------- change events

bool RecordForm::keepStorable(TextControl &c)
{
    const QString now = currentText(c);
    if (Codec::canEncode(now))
        return false;
    // Show in the control what the book will hold, and say so.
    QString lost;
    QString kept = now;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const bool pair = kept[i].isHighSurrogate() && i + 1 < kept.size() && kept[i + 1].isLowSurrogate();
        const QStringView ch = QStringView(kept).mid(i, pair ? 2 : 1);
        if (Codec::canEncode(ch))
            continue;
        if (!lost.contains(ch))
            lost += ch;
        kept.replace(i, ch.size(), QLatin1Char('?'));
    }
    m_replacing = true;
    {
        const QSignalBlocker block(c.widget);
        if (c.kind == Kind::Memo) {
            auto *m = static_cast<QPlainTextEdit *>(c.widget);
            const int pos = m->textCursor().position();
            m->setPlainText(kept);
            QTextCursor cur = m->textCursor();
            cur.setPosition(qMin(pos, int(kept.size())));
            m->setTextCursor(cur);
        } else {
            auto *e = static_cast<QLineEdit *>(c.widget);
            const int pos = e->cursorPosition();
            e->setText(kept);
            e->setCursorPosition(qMin(pos, int(kept.size())));
        }
    }
    m_replacing = false;
    Dialogs::information(this, QStringLiteral("Zandolin"),
                         QStringLiteral("The book cannot store the characters %1; they were replaced by \"?\".")
                             .arg(lost));
    return true;
}

void RecordForm::onTextChanged(TextControl &c)
{
    if (m_replacing)
        return;
    keepStorable(c);
    switch (c.slot) {
    case TEnreg::Name:
    case TEnreg::Title:
    case TEnreg::Nickname: emit firstNameChanged(static_cast<QLineEdit *>(c.widget)); break;
    case TEnreg::Surname: emit surnameChanged(); break;
    default: emit fieldChanged(c.slot); break;
    }
}

// ---------------------------------------------------------------- children

void RecordForm::refreshChildButtons()
{
    m_deleteChild->setEnabled(m_addChild->isEnabled() && m_children->currentItem() != nullptr
                              && m_children->currentItem()->isSelected());
}

void RecordForm::CorelButton1Click()
{
    if (m_children->count() >= TEnreg::ChildCount) {
        Dialogs::beep();
        return;
    }
    auto *item = new QListWidgetItem(QString(), m_children);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_children->setCurrentItem(item);
    m_children->setFocus();
    m_children->editItem(item);
    refreshChildButtons();
}

void RecordForm::CorelButton3Click()
{
    QListWidgetItem *item = m_children->currentItem();
    if (!item || !m_editable)
        return;
    delete item;
    m_deleteChild->setEnabled(false);
    emit childrenChanged();
}

void RecordForm::childEditEnded()
{
    // An entry left without a name is dropped: it would hold no child.
    for (int i = m_children->count() - 1; i >= 0; --i)
        if (m_children->item(i)->text().isEmpty())
            delete m_children->takeItem(i);
    m_deleteChild->setEnabled(false);
    emit childrenChanged();
}
