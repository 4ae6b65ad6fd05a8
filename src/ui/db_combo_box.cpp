#include "db_combo_box.h"

#include <QLineEdit>

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(&m_link, &FieldLink::refreshNeeded, this, &DBComboBox::refresh);
    connect(lineEdit(), &QLineEdit::textEdited, this, &DBComboBox::onTyped);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &DBComboBox::onPicked);
}

void DBComboBox::setEntries(const QStringList &entries)
{
    m_refreshing = true;
    clear();
    addItems(entries);
    m_refreshing = false;
    refresh();
}

void DBComboBox::refresh()
{
    m_refreshing = true;
    const QString value = m_link.text();
    if (currentText() != value)
        setEditText(value);
    m_refreshing = false;
}

void DBComboBox::onTyped(const QString &text)
{
    if (m_refreshing)
        return;
    QString value = text;
    if (m_upperCase && value != value.toUpper()) {
        const int cursor = lineEdit()->cursorPosition();
        value = value.toUpper();
        lineEdit()->setText(value);
        lineEdit()->setCursorPosition(cursor);
    }
    m_link.write(value);
}

void DBComboBox::onPicked(int index)
{
    if (m_refreshing || index < 0)
        return;
    m_link.write(itemText(index));
}
