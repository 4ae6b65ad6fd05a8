#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "totals/statement_actions.h"
#include "ui/db_edit.h"

class DataSource;
class Table;
class Tdm1;

// The seventeen list-and-detail windows as data: what each edits and how it checks it.
struct ListMember
{
    struct Column
    {
        const char *field;
        const char *title; // null: the field's name
        int width;
        bool money = false; // an amount, shown as money
    };
    struct EditField
    {
        const char *label;
        const char *field;
        const QStringList &(*entries)() = nullptr; // a drop-down list of these entries
        const char *after = nullptr;               // a short text after the control ("%", a hint)
        DBEdit::Rule rule = DBEdit::Rule::Free;    // what the edit takes beyond its field's kind
    };
    struct Required
    {
        const char *field;
        const char *message;
    };

    const char *className;
    Table Tdm1::*table;
    DataSource Tdm1::*source;
    std::vector<Column> columns;
    std::vector<EditField> fields; // in tab order
    std::vector<Required> required; // in check order
    const char *totalField;
    SectionRecalc recalc;
    const char *checkName;
    const char *saveName;
    bool focusFirstOnShow = false;
    // Values the save writes from the others (the monthly amount, the auto's description).
    void (*derive)(Table &table) = nullptr;
};

const std::vector<ListMember> &listMembers();
const ListMember *findListMember(const QString &className);
