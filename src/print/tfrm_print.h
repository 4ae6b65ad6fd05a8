#pragma once

#include <functional>
#include <memory>

#include <QDate>

#include "print/engine/composite_report.h"
#include "run_pages.h"
#include "ui/section_frame.h"

class DBText;
class ImageButton;
class Navigator;
class Picture;
class PrintDialogs;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Tdm1;

// The print window: previews or prints the selected statement (personal or joint pages,
// chosen by the spouse's names) or a blank form. Each run creates its report page objects,
// shows or prints one composite of them, and frees them again. Opened after the statement
// was selected, so every table stands on that statement; Close clears the filters and
// returns to the main window's Overview.
class TfrmPrint : public SectionFrame
{
    Q_OBJECT

public:
    TfrmPrint(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
    // With other dialogs than the system's (tests).
    TfrmPrint(Tdm1 &dm, Navigator &navigator, PrintDialogs &dialogs, QWidget *parent = nullptr);
    ~TfrmPrint() override;

    // Opened for the blank form: it is chosen, and without a statement it is the only choice.
    void chooseBlankForm();

    void FormShow();
    void SetButtons();
    void imBackgroundMouseMove();
    void imPreviewMouseMove();
    void imPrintMouseMove();
    void imPreview_UpClick();
    void imPrint_UpClick();
    void btnCloseClick();

    void PreviewStatement();
    void PreviewSingleorJointStatement();
    void PrintStatement();
    void PrintSingleorJointStatement();
    void PrintSingleStatement();
    void PrintJointStatement();
    void PrintBlankStatement();
    void AddSingleStatement();
    void AddBlankStatement();
    void qrCompAddReports();
    void qrCompJointAddReports();
    void qrCompBlankAddReports();
    void FreeSingleStatement();
    void FreeJointStatement();
    void FreeBlankStatement();
    void PrintDialogSingle();
    void PrintDialogJoint();
    void PrintDialogBlank();

    // Whether the current statement prints with the joint pages: both spouse names given.
    bool printsAsJoint() const;
    // Whether the statement prints as a copy for anyone but the lender: its social
    // security, licence and account numbers masked (see maskRunNumbers).
    bool masksNumbers() const;
    // How many report page objects exist: none outside a run.
    int pageObjectCount() const;

    // The schedule of real estate owned, chosen beside the statement and the blank form:
    // previewed or printed alone, its sheets named as the statement's.
    bool realEstateScheduleChosen() const;
    void PreviewRealEstateSchedule();
    void PrintRealEstateSchedule();

    // What runs before a statement is previewed or printed: true when it holds the run
    // back, calling proceed itself to go on. The program sets the readiness check here;
    // without one, a statement goes straight on.
    using StatementCheck = std::function<bool(std::function<void()> proceed)>;
    void setStatementCheck(StatementCheck check);
    // The schedule of real estate owned is checked for its own findings.
    void setRealEstateCheck(StatementCheck check);

    // SBA Form 413, the third choice: its own readiness check (the form's findings and its
    // 120 days), and the last day its figures are current, shown beside the choice.
    void setSba413Check(StatementCheck check, std::function<QDate()> currentUntil);
    void PreviewSba413();
    void PrintSba413();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build();
    void addRealEstateScheduleOption();
    // Creates the schedule's page, lets `use` show or print its composite, and frees it.
    void withRealEstateSchedule(const std::function<void(Report::CompositeReport &composite)> &use);
    // Creates the pages of the personal or the joint run, lets `use` show or print its
    // composite, and frees the pages again.
    void withStatementRun(const std::function<void(Report::CompositeReport &composite, bool joint)> &use);
    void printDialog(Report::CompositeReport &composite);
    void placeFullName();
    void buildSba413Choice();
    void showSba413CurrentUntil();
    // Creates the form's pages, lets `use` show or print its composite, and frees them.
    void withSba413(const std::function<void(Report::CompositeReport &composite)> &use);

    Tdm1 &m_dm;
    Navigator &m_navigator;
    std::unique_ptr<PrintDialogs> m_ownDialogs;
    PrintDialogs &m_dialogs;
    StatementCheck m_statementCheck;
    StatementCheck m_realEstateCheck;

    Report::CompositeReport m_qrComp;
    Report::CompositeReport m_qrCompJoint;
    Report::CompositeReport m_qrCompBlank;

    // The page objects of the run under way; empty outside a run.
    RunPages m_singlePages;
    RunPages m_jointPages;
    RunPages m_blankPages;
    Report::CompositeReport m_qrCompRealEstate;
    RunPages m_realEstatePages;
    QRadioButton *m_rbRealEstate = nullptr;

    Picture *m_imBackground = nullptr;
    DBText *m_DBText19 = nullptr;
    QLabel *m_lblStatementDate = nullptr;
    QRadioButton *m_rbFS = nullptr;
    QRadioButton *m_rbBlank = nullptr;
    QCheckBox *m_chkMask = nullptr;
    QRadioButton *m_rbSba413 = nullptr;
    QLabel *m_lblCurrentUntil = nullptr;
    StatementCheck m_sba413Check;
    std::function<QDate()> m_sba413CurrentUntil;
    Report::CompositeReport m_qrCompSba413;
    RunPages m_sba413Pages;
    ImageButton *m_imPreview = nullptr;
    ImageButton *m_imPrint = nullptr;
    QPushButton *m_btnClose = nullptr;
};
