#include "db_combo_box.h"

#include <utility>

#include <QKeyEvent>
#include <QLineEdit>

#include "base/guarded.h"
#include "upper_case_validator.h"

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent), TypedControl(this, m_link)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The completion is the list's own: Qt's keeps the case as typed, which is no entry.
    setCompleter(nullptr);
    connect(&m_link, &FieldLink::refreshNeeded, this, &DBComboBox::refresh);
    lineEdit()->installEventFilter(this);
    // A pick (the popup, the arrows) changes the text; typing and pasting also edit it.
    connect(lineEdit(), &QLineEdit::textChanged, this, guard([this] { onTextChanged(); }));
    connect(lineEdit(), &QLineEdit::textEdited, this, guard([this] { onEdited(); }));
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

int DBComboBox::entryNamed(const QString &text) const
{
    const int exact = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return exact >= 0 ? exact : findText(text, Qt::MatchFixedString);
}

void DBComboBox::refresh()
{
    // Refused typing stays while its row is being edited; a row that moves on or drops its
    // changes shows what it holds.
    if (isRefused()) {
        if (!refusalOutlived())
            return;
        setRefused(false);
    }
    m_refreshing = true;
    const QString value = m_link.text();
    // The current entry is the one shown, or none, so Down always goes on from what is seen.
    const int index = findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (currentIndex() != index)
        setCurrentIndex(index);
    if (currentText() != value)
        setEditText(value);
    m_refreshing = false;
}

void DBComboBox::onTextChanged()
{
    if (m_refreshing || !isEnabled())
        return;
    const QString text = currentText();
    if (text == m_link.text())
        return;
    // Text on its way to an entry is stored by onEdited once it names one.
    if (!m_otherTextAllowed && !text.isEmpty() && findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        return;
    setRefused(false);
    m_link.write(text);
}

void DBComboBox::onEdited()
{
    const bool deleting = std::exchange(m_deleting, false);
    if (m_refreshing || !isEnabled() || m_otherTextAllowed)
        return;
    const QString typed = currentText();
    if (typed.isEmpty()) {
        setRefused(false);
        m_link.write(typed);
        return;
    }
    int index = entryNamed(typed);
    // The beginning of an entry, typed at the end: the entry, its rest selected.
    if (index < 0 && !deleting && lineEdit()->cursorPosition() == typed.size())
        index = findText(typed, Qt::MatchStartsWith);
    if (index < 0) {
        // Kept as typed, stored nowhere; the user is told when leaving the list.
        setRefused(true);
        return;
    }
    const QString entry = itemText(index);
    if (entry != typed)
        showText(entry, int(typed.size()));
    setCurrentIndex(index);
    setRefused(false);
    m_link.write(entry);
}

void DBComboBox::showText(const QString &text, int selectFrom)
{
    lineEdit()->setText(text);
    lineEdit()->setSelection(selectFrom, int(text.size()) - selectFrom);
}

void DBComboBox::noteKey(const QKeyEvent *event)
{
    m_deleting = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete
        || event->matches(QKeySequence::Cut) || event->matches(QKeySequence::DeleteStartOfWord)
        || event->matches(QKeySequence::DeleteEndOfWord) || event->matches(QKeySequence::DeleteCompleteLine);
}

bool DBComboBox::eventFilter(QObject *watched, QEvent *event)
{
    // Keys sent to the list reach its edit without passing here; keys sent to the edit
    // itself do.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress)
        noteKey(static_cast<QKeyEvent *>(event));
    return QComboBox::eventFilter(watched, event);
}

void DBComboBox::keyPressEvent(QKeyEvent *event)
{
    noteKey(event);
    const int key = event->key();
    const bool moves = (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp)
        && !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    const int shown = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (moves && count() > 0 && shown != currentIndex()) {
        if (shown >= 0) {
            setCurrentIndex(shown);
        } else {
            // Nothing of the list is shown: Down starts at its first entry, Up finds none.
            event->accept();
            if (key == Qt::Key_Down || key == Qt::Key_PageDown) {
                setCurrentIndex(0);
                if (currentText() != itemText(0))
                    setEditText(itemText(0));
            }
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

QString DBComboBox::refusal() const
{
    if (!isRefused())
        return QString();
    return QStringLiteral("Please choose \"%1\" from its list.").arg(fieldName());
}

void DBComboBox::revert()
{
    setRefused(false);
    refresh();
}

void DBComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    focusLeft(event);
}
