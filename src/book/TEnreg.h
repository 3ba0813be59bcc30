#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

// One contact: 57 texts, the lock byte and the category number.
//
// The texts live in one allocation: 57 end offsets followed by the bytes of
// every text in slot order. A book of 100,000 contacts then costs one heap
// block per contact instead of 57, and copies (undo, delete) share the block
// until one side writes.
class TEnreg
{
public:
    enum Slot : int {
        Name = 0,
        Surname,
        Title,
        Nickname,
        Street,
        City,
        PostalCode,
        State,
        Country,
        PhoneNumber1,
        PhoneNumber2,
        PhoneNumber3,
        FaxNumber,
        WorkNumber,
        MobileNumber,
        PagerNumber,
        Birthday,
        EMail1,
        EMail2,
        EMail3,
        Web1,
        Web2,
        Icq,
        Comment,
        Company,
        CompanyStreet,
        CompanyCity,
        CompanyPostCode,
        CompanyState,
        CompanyCountry,
        Department,
        Office,
        JobTitle,
        Assistant,
        CompanyPhone,
        CompanyFax,
        OfficePhone,
        OfficeFax,
        AssistantPhone,
        AssistantFax,
        CompanyMobile,
        Telex,
        CompanyEMail1,
        CompanyEMail2,
        CompanyEMail3,
        CompanyWeb, // 45
        Children0,  // 46 .. 55
        Spouse = 56,
    };
    static constexpr int ChildCount = 10;
    static constexpr int TextCount = 57;
    static constexpr int SingleTextCount = 46;

    TEnreg() = default;

    QByteArrayView text(int slot) const;
    QByteArray textCopy(int slot) const { return text(slot).toByteArray(); }
    bool isEmpty(int slot) const { return text(slot).isEmpty(); }
    void setText(int slot, QByteArrayView value);

    QByteArrayView child(int i) const { return text(Children0 + i); }
    void setChild(int i, QByteArrayView value) { setText(Children0 + i, value); }

    // Replaces every text at once; `texts` holds TextCount views in slot order.
    void setTexts(const std::array<QByteArrayView, TextCount> &texts);

    // Reserved for the book reader: builds the block from lengths already
    // known to fit, without another copy per field.
    static TEnreg fromBlock(QByteArray block);
    static constexpr int HeaderBytes = TextCount * int(sizeof(quint32));

    quint8 Locked = 0;
    qint32 Category = 0;

    bool operator==(const TEnreg &o) const;
    bool operator!=(const TEnreg &o) const { return !(*this == o); }

    // Bytes of text held (no header), for benchmarks and sanity checks.
    qsizetype textBytes() const;

private:
    quint32 endOf(int slot) const;
    // Empty when every text is empty; else HeaderBytes of little-endian
    // uint32 end offsets (relative to the text area) then the texts.
    QByteArray m_block;
};

// The order in which a record's texts follow each other in a book file and
// through the cipher: the single fields, the spouse, then the children.
inline constexpr std::array<int, TEnreg::TextCount> TextFileOrder = [] {
    std::array<int, TEnreg::TextCount> order{};
    for (int i = 0; i < TEnreg::SingleTextCount; ++i)
        order[size_t(i)] = i;
    order[TEnreg::SingleTextCount] = TEnreg::Spouse;
    for (int c = 0; c < TEnreg::ChildCount; ++c)
        order[size_t(TEnreg::SingleTextCount + 1 + c)] = TEnreg::Children0 + c;
    return order;
}();
