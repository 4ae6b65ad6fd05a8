#pragma once

#include <QComboBox>

#include "field_link.h"
#include "typed_control.h"

// An editable drop-down list bound to one field; the user may pick an entry or type. A list
// of fixed entries stores exactly the entry it shows: typing the beginning of an entry (in
// any case) shows and stores the whole entry, the rest selected so that typing on replaces
// it; an entry typed whole in another case shows and stores as the entry; any other text is
// refused as TypedControl describes. Nothing (an empty text) is always taken. A list that
// allows other text stores whatever is typed. Down in a list that shows no entry starts at
// the first one. With upper-casing on, letters are stored and shown as capitals.
class DBComboBox : public QComboBox, public TypedControl
{
    Q_OBJECT
    Q_PROPERTY(QString dataField READ dataField WRITE setDataField)
    Q_PROPERTY(QString dataTable READ dataTable)
    Q_PROPERTY(bool upperCase READ upperCase WRITE setUpperCase)

public:
    explicit DBComboBox(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    void setDataField(const QString &name);
    QString dataField() const { return m_link.dataField(); }
    QString dataTable() const { return m_link.dataTable(); }
    void setEntries(const QStringList &entries);
    void setOtherTextAllowed(bool allowed) { m_otherTextAllowed = allowed; }
    bool otherTextAllowed() const { return m_otherTextAllowed; }
    void setUpperCase(bool upper);
    bool upperCase() const { return m_upperCase; }
    FieldLink &link() { return m_link; }

    QString refusal() const override;
    void revert() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();
    void onTextChanged();
    void onEdited();
    void noteKey(const QKeyEvent *event);
    // The entry the text names in any case; -1 for none.
    int entryNamed(const QString &text) const;
    void showText(const QString &text, int selectFrom);

    FieldLink m_link;
    bool m_upperCase = false;
    bool m_otherTextAllowed = false;
    bool m_refreshing = false;
    // The last key took text away: what is left is not completed again.
    bool m_deleting = false;
};
