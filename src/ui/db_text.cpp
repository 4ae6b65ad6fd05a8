#include "db_text.h"

DBText::DBText(QWidget *parent) : ClickLabel(parent)
{
    setTextFormat(Qt::PlainText);
    connect(&m_link, &FieldLink::refreshNeeded, this, &DBText::refresh);
}

void DBText::setFormatter(std::function<QString(const Field &)> formatter)
{
    m_link.setFormatter(std::move(formatter));
    refresh();
}

void DBText::refresh()
{
    setText(m_link.text());
}
