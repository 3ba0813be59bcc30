#pragma once

#include <QByteArrayView>
#include <QDialog>

class QLabel;

// The book's file name, its size on disk and the identification text read
// from its header.
class TFProperties : public QDialog
{
    Q_OBJECT
public:
    explicit TFProperties(QWidget *parent = nullptr);

    // Texts from the language file; an empty text keeps the built-in one.
    void setTexts(const QString &caption, const QString &name, const QString &size, const QString &format);

    // Fills the three values. Without a file name every value is "NA"; a
    // file that cannot be found has the size -1.
    void fill(const QString &fileName, QByteArrayView format);

    QString nameValue() const;
    QString sizeValue() const;
    QString formatValue() const;

private:
    QLabel *m_labels[3];
    QLabel *m_values[3];
};
