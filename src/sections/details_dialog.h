#pragma once

#include <vector>

#include <QDialog>
#include <QString>
#include <QStringList>

#include "data/engine/table.h"

class DataSource;
class QTabWidget;
class Tdm1;

// The fields of the lender's forms that a window offers beyond its own controls, as data:
// which table and page of the details dialog each is on, its caption, and what it takes.
struct DetailField
{
    enum class Rule {
        Text,     // any text
        Amount,   // an amount, as every float field reads it
        Percent,  // a percent, "%" after it
        Date,     // mm/dd/yyyy
        PastDate, // mm/dd/yyyy, today or before
        List,     // one of the fixed entries, or nothing
        State,    // the state list of the particulars, upper-cased
        YesNo,    // "No" or "Yes"
        Property, // the statement's property descriptions, or nothing
    };

    const char *table;
    const char *page;
    const char *label;
    const char *field;
    Rule rule = Rule::Text;
    const QStringList &(*entries)() = nullptr; // for Rule::List
};

// Every field of the dialogs, in the order of their pages.
const std::vector<DetailField> &detailFields();

// A window that offers the details dialog and the page it opens on; null for the others.
struct DetailsWindow
{
    const char *className;
    const char *page;
    const char *button;  // the button's text (UTF-8)
};
const DetailsWindow *findDetailsWindow(const QString &className);

// The further fields of the row a window edits, page by page. They are bound to the
// window's own data source, so what is typed goes into the row's edit buffer and is stored
// by the window's OK, Next, Previous or Close with the window's recomputation. OK closes
// the dialog once its typing is taken; Cancel drops what was typed here since it opened
// (and only that).
class DetailsDialog : public QDialog
{
    Q_OBJECT

public:
    DetailsDialog(Tdm1 &dm, DataSource &source, const QString &page, QWidget *parent);

    QWidget *controlOf(const QString &field) const;
    QTabWidget *pages() const { return m_pages; }
    QString tableName() const { return m_table.TableName(); }

    void btnOKClick();
    void btnCancelClick();

protected:
    void reject() override;

private:
    QWidget *buildPage(const QString &page);
    QStringList propertyDescriptions();
    // The field of the row being edited; empty when there is none.
    QString current(const char *field);
    // A lien's row takes the property's type, year and owned share where it has none, and a
    // market value of 0, as a row of its own still needs them.
    void fillFromProperty();
    void updatePropertyPage();

    Tdm1 &m_dm;
    DataSource &m_source;
    Table &m_table;
    Table::EditState m_before;
    QTabWidget *m_pages = nullptr;
    QWidget *m_propertyPage = nullptr;
    std::vector<QWidget *> m_controls;
};
