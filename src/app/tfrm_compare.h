#pragma once

#include <memory>

#include "comparison/statement_comparison.h"
#include "print/engine/composite_report.h"
#include "ui/section_frame.h"

class Navigator;
class PrintDialogs;
class QComboBox;
class QTableWidget;
class Tdm1;
class TqrCompare;

// Two statements of the same person side by side: the selected one and, by default, the
// person's most recent other statement. Every category and total with its change, the
// ratios with their formulas, and the same on paper: preview (which also saves a PDF) and
// print through the report engine.
class TfrmCompare : public SectionFrame
{
    Q_OBJECT

public:
    TfrmCompare(Tdm1 &dm, Navigator &navigator, QWidget *parent = nullptr);
    // With other dialogs than the system's (tests).
    TfrmCompare(Tdm1 &dm, Navigator &navigator, PrintDialogs &dialogs, QWidget *parent = nullptr);
    ~TfrmCompare() override;

    const StatementComparison &comparison() const { return m_comparison; }
    // The composite of the printed comparison, its page created for the run.
    Report::CompositeReport &report() { return m_qrCompare; }
    // Creates the page of the shown comparison for one run; freed by endRun.
    void beginRun();
    void endRun();

    void cbOtherChange();
    void btnPreviewClick();
    void btnPrintClick();
    void btnCloseClick();

    // The width a grid's column needs to show its header and every cell whole.
    static int neededWidth(const QTableWidget *grid, int column);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void build();
    void showComparison();

    Tdm1 &m_dm;
    Navigator &m_navigator;
    std::unique_ptr<PrintDialogs> m_ownDialogs;
    PrintDialogs &m_dialogs;
    QString m_selectedId;
    StatementComparison m_comparison;
    Report::CompositeReport m_qrCompare;
    std::unique_ptr<TqrCompare> m_page;

    QComboBox *m_cbOther = nullptr;
    QTableWidget *m_figures = nullptr;
    QTableWidget *m_ratios = nullptr;
};
