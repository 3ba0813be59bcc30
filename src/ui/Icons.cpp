#include "ui/Icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

QIcon glyph(const QString &text, QColor colour)
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(colour.darker(140));
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(text.size() > 1 ? size * 9 / 20 : size * 3 / 5);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, text);
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace

QIcon commandIcon(Cmd c)
{
    QStyle *s = QApplication::style();
    switch (c) {
    case Cmd::New: return s->standardIcon(QStyle::SP_FileIcon);
    case Cmd::Open: return s->standardIcon(QStyle::SP_DialogOpenButton);
    case Cmd::Save: return s->standardIcon(QStyle::SP_DialogSaveButton);
    case Cmd::SaveAs: return glyph(QStringLiteral("S+"), QColor(40, 90, 160));
    case Cmd::Import: return s->standardIcon(QStyle::SP_ArrowDown);
    case Cmd::Export: return s->standardIcon(QStyle::SP_ArrowUp);
    case Cmd::Lock: return glyph(QStringLiteral("L"), QColor(150, 110, 30));
    case Cmd::Unlock: return glyph(QStringLiteral("U"), QColor(90, 140, 60));
    case Cmd::Encrypt: return glyph(QStringLiteral("E"), QColor(120, 60, 140));
    case Cmd::Decrypt: return glyph(QStringLiteral("D"), QColor(160, 90, 170));
    case Cmd::Preview: return s->standardIcon(QStyle::SP_FileDialogContentsView);
    case Cmd::Setup: return glyph(QStringLiteral("P"), QColor(90, 90, 90));
    case Cmd::Properties: return s->standardIcon(QStyle::SP_FileDialogInfoView);
    case Cmd::Exit: return s->standardIcon(QStyle::SP_DialogCloseButton);
    case Cmd::Add: return glyph(QStringLiteral("+"), QColor(40, 140, 70));
    case Cmd::Delete: return s->standardIcon(QStyle::SP_TrashIcon);
    case Cmd::Duplicate: return glyph(QStringLiteral("2"), QColor(40, 120, 140));
    case Cmd::Undo: return s->standardIcon(QStyle::SP_ArrowBack);
    case Cmd::Find: return glyph(QStringLiteral("?"), QColor(200, 140, 20));
    case Cmd::Dial: return glyph(QStringLiteral("T"), QColor(30, 120, 200));
    case Cmd::Mail: return glyph(QStringLiteral("@"), QColor(200, 70, 50));
    case Cmd::Web: return glyph(QStringLiteral("W"), QColor(30, 100, 200));
    case Cmd::Copy: return glyph(QStringLiteral("C"), QColor(100, 100, 160));
    case Cmd::Write: return glyph(QStringLiteral("Wr"), QColor(80, 120, 80));
    case Cmd::History: return glyph(QStringLiteral("H"), QColor(110, 80, 60));
    case Cmd::Preferences: return glyph(QStringLiteral("Pr"), QColor(70, 90, 110));
    case Cmd::HelpIndex: return s->standardIcon(QStyle::SP_DialogHelpButton);
    case Cmd::About: return s->standardIcon(QStyle::SP_MessageBoxInformation);
    case Cmd::Support: return glyph(QStringLiteral("S"), QColor(40, 150, 150));
    case Cmd::Birthdays: return glyph(QStringLiteral("B"), QColor(210, 90, 140));
    default: return {};
    }
}
