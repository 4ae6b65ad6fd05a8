#pragma once

#include <vector>

#include "ui/section_frame.h"

class DBGrid;
class DetailsDialog;
class Navigator;
class QLabel;
class QPushButton;
class Table;
class Tdm1;
struct ListMember;

// A list-and-detail window over one detail table of the current statement: the grid of
// its rows, the fields of the current row, the section's total, and the buttons to add,
// delete, cancel, store, walk on and close. The seventeen windows are this one class, each
// driven by its row of the member table.
class SectionListEditor : public SectionFrame
{
    Q_OBJECT

public:
    static const QString DeleteQuestion;

    SectionListEditor(const ListMember &member, Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);

    const ListMember &member() const { return m_member; }

    // The check: "Go", "Cancel" (nothing entered), or the message it has shown.
    QString Check();
    // Stores the checked row with its section's totals, in one commit.
    void Save();

    void FormShow();
    void btnAddClick();
    void btnDeleteClick();
    void btnCancelClick();
    void btnOKClick();
    void btnNextClick();
    void btnPreviousClick();
    void btnCloseClick();
    void CloseToMain();
    // Opens the further fields of the current row, on the window's page; null when the
    // window has none.
    DetailsDialog *btnDetailsClick();

    // The control bound to a field (focus goes there).
    QWidget *controlOf(const QString &field) const;
    QWidget *firstField() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildGrid();
    void buildFields();
    void buildButtons();
    void refreshTotal();
    void focusFirstField();
    // Check, then store or drop what was typed; false when the check refused.
    bool storeOrDiscard();
    bool leaveRow();
    void leaveFor(const QString &target);

    const ListMember &m_member;
    Tdm1 &m_dm;
    Navigator &m_navigator;
    Table &m_table;
    DBGrid *m_grid = nullptr;
    QLabel *m_total = nullptr;
    std::vector<QWidget *> m_fields;
    QPushButton *m_btnPrevious = nullptr;
    QPushButton *m_btnNext = nullptr;
};
