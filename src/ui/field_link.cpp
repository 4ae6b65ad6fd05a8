#include "field_link.h"

FieldLink::FieldLink(QObject *parent) : QObject(parent)
{
}

void FieldLink::setDataSource(DataSource *source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        // While this control writes, it already shows what was typed.
        const auto refresh = [this] {
            if (!m_writing)
                emit refreshNeeded();
        };
        connect(m_source, &DataSource::currentChanged, this, refresh);
        connect(m_source, &DataSource::stateChanged, this, refresh);
        connect(m_source, &DataSource::fieldChanged, this, &FieldLink::onFieldChanged);
        connect(m_source, &QObject::destroyed, this, [this] { m_source = nullptr; });
    }
    emit refreshNeeded();
}

void FieldLink::setDataField(const QString &name)
{
    m_fieldName = name;
    emit refreshNeeded();
}

QString FieldLink::dataTable() const
{
    return m_source && m_source->DataSet() ? m_source->DataSet()->TableName() : QString();
}

std::optional<Field> FieldLink::field() const
{
    if (!m_source || !m_source->DataSet() || !m_source->DataSet()->Active() || m_fieldName.isEmpty())
        return std::nullopt;
    return m_source->DataSet()->FindField(m_fieldName);
}

QString FieldLink::text() const
{
    const auto f = field();
    if (!f)
        return QString();
    // A control repaints from inside the table's notifications: a row that cannot be read
    // shows nothing there, and the operation that reads it reports the failure itself.
    try {
        return m_formatter ? m_formatter(*f) : f->AsString();
    } catch (const std::exception &) {
        return QString();
    }
}

bool FieldLink::isFloat() const
{
    const auto f = field();
    return f && (f->Kind() == FieldKind::Float || f->Kind() == FieldKind::Currency);
}

void FieldLink::write(const QString &text)
{
    auto f = field();
    if (!f)
        return;
    Table *table = m_source->DataSet();
    m_writing = true;
    struct Reset
    {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_writing};
    if (table->state() == Table::State::Browse)
        table->Edit();
    // Edit may have started a new row; the field handle stays valid either way.
    f->SetAsString(text);
}

void FieldLink::onFieldChanged(int index)
{
    const auto f = field();
    if (!m_writing && f && f->Index() == index)
        emit refreshNeeded();
}
