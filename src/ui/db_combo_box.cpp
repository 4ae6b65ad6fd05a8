#include "db_combo_box.h"

#include <QLineEdit>

#include "base/guarded.h"
#include "upper_case_validator.h"

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(&m_link, &FieldLink::refreshNeeded, this, &DBComboBox::refresh);
    // Typing and picking an entry both change the edit text; that text is what is stored.
    connect(lineEdit(), &QLineEdit::textChanged, this, guard([this](const QString &text) { onTextChanged(text); }));
}

void DBComboBox::setDataSource(DataSource *source)
{
    m_link.setDataSource(source);
}

void DBComboBox::setDataField(const QString &name)
{
    m_link.setDataField(name);
}

void DBComboBox::setEntries(const QStringList &entries)
{
    m_refreshing = true;
    clear();
    addItems(entries);
    m_refreshing = false;
    refresh();
}

void DBComboBox::setUpperCase(bool upper)
{
    m_upperCase = upper;
    lineEdit()->setValidator(upper ? new UpperCaseValidator(this) : nullptr);
}

void DBComboBox::refresh()
{
    m_refreshing = true;
    const QString value = m_link.text();
    if (currentText() != value) {
        const int index = findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            setCurrentIndex(index);
        setEditText(value);
    }
    m_refreshing = false;
}

void DBComboBox::onTextChanged(const QString &text)
{
    if (m_refreshing || !isEnabled())
        return;
    // Only a change the user made reaches the field; the text as the list shows it.
    if (text == m_link.text())
        return;
    m_link.write(text);
}
