#include "tfrm_print.h"

#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QShowEvent>

#include "base/guarded.h"
#include "base/pending_messages.h"
#include "data/statement_name.h"
#include "data/tdm1.h"
#include "masked_numbers.h"
#include "print/engine/report_page.h"
#include "print_dialogs.h"
#include "run_printing.h"
#include "system_print_dialogs.h"
#include "ui/db_text.h"
#include "ui/image_button.h"
#include "ui/navigator.h"
#include "ui/picture.h"

namespace {

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    return font;
}

QRadioButton *radioButton(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setFont(pixelFont(16));
    // The caption shows whole: the button is widened when its indicator and text need more.
    button->setGeometry(place.adjusted(0, 0, std::max(0, button->sizeHint().width() - place.width()), 0));
    return button;
}

// The full name is right-justified: its right edge stays where the design put it, at the
// left of 458 plus the width of the design-time text.
constexpr int FullNameLeft = 458;
constexpr int FullNameTop = 92;
const char *const FullNameDesignText = "DBText19";

} // namespace

TfrmPrint::TfrmPrint(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_dm(dm), m_navigator(navigator), m_ownDialogs(std::make_unique<SystemPrintDialogs>()),
      m_dialogs(*m_ownDialogs)
{
    build();
}

TfrmPrint::TfrmPrint(Tdm1 &dm, Navigator &navigator, PrintDialogs &dialogs, QWidget *parent)
    : SectionFrame(parent), m_dm(dm), m_navigator(navigator), m_dialogs(dialogs)
{
    build();
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::build()
{
    setObjectName(QStringLiteral("frmPrint"));
    setCaption(QStringLiteral("Print Financial Statement"));

    // The frame's background picture covers the window; here it is the control that
    // brings the buttons back to rest.
    m_imBackground = findChild<Picture *>(QStringLiteral("imSectionBackground"));
    Q_ASSERT(m_imBackground);
    m_imBackground->setObjectName(QStringLiteral("imBackground"));
    connect(m_imBackground, &Picture::hovered, this, guard([this] { imBackgroundMouseMove(); }));

    m_DBText19 = new DBText(this);
    m_DBText19->setObjectName(QStringLiteral("DBText19"));
    m_DBText19->setFont(pixelFont(13));
    m_DBText19->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = m_DBText19->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    m_DBText19->setPalette(palette);
    // Under the name, the date the statement is made as of: which of the person's
    // statements prints.
    const QString date = currentStatementName(m_dm).date;
    m_lblStatementDate = new QLabel(date.isEmpty() ? QString() : QStringLiteral("as of ") + date, this);
    m_lblStatementDate->setObjectName(QStringLiteral("lblAsOf"));
    m_lblStatementDate->setFont(pixelFont(13));
    m_lblStatementDate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblStatementDate->setPalette(palette);
    connect(&m_DBText19->link(), &FieldLink::refreshNeeded, this, guard([this] { placeFullName(); }));
    m_DBText19->setDataSource(&m_dm.dsClient);
    m_DBText19->setDataField(QStringLiteral("FullName2"));
    placeFullName();

    m_rbFS = radioButton(this, QStringLiteral("rbFS"), QStringLiteral("Print Financial Statement"), {152, 160, 193, 17});
    m_rbBlank = radioButton(this, QStringLiteral("rbBlank"), QStringLiteral("Print Blank Financial Statement"),
                            {152, 183, 241, 17});
    m_rbFS->setChecked(true);
    // A copy for anyone but the lender; the blank form has no numbers to mask.
    m_chkMask = new QCheckBox(QStringLiteral("Mask social security, licence and account numbers"), this);
    m_chkMask->setObjectName(QStringLiteral("chkMask"));
    m_chkMask->setFont(pixelFont(13));
    m_chkMask->setGeometry(172, 204, std::max(300, m_chkMask->sizeHint().width()), 18);
    connect(m_rbFS, &QRadioButton::toggled, m_chkMask, &QCheckBox::setEnabled);
    buildSba413Choice();

    m_imPreview = new ImageButton(this, {369, 228}, QStringLiteral("imPreview"), QStringLiteral("imPreview_Up"));
    m_imPrint = new ImageButton(this, {440, 228}, QStringLiteral("imPrint"), QStringLiteral("imPrint_Up"));
    connect(m_imPreview, &ImageButton::normalHovered, this, guard([this] { imPreviewMouseMove(); }));
    connect(m_imPrint, &ImageButton::normalHovered, this, guard([this] { imPrintMouseMove(); }));
    connect(m_imPreview, &ImageButton::clicked, this, guard([this] { imPreview_UpClick(); }));
    connect(m_imPrint, &ImageButton::clicked, this, guard([this] { imPrint_UpClick(); }));

    m_btnClose = addButton("btnClose", QStringLiteral("Close"), {440, ButtonRow});
    connect(m_btnClose, &QPushButton::clicked, this, guard([this] { btnCloseClick(); }));

    m_qrComp.setTitle(QStringLiteral("Financial Statement"));
    m_qrCompJoint.setTitle(QStringLiteral("Financial Statement"));
    m_qrCompBlank.setTitle(QStringLiteral("Blank Financial Statement"));
    m_qrCompBlank.setFileName(runFileName(PrintRun::Blank, m_dm));
    m_qrComp.setAddReports([this](Report::CompositeReport &) { qrCompAddReports(); });
    m_qrCompJoint.setAddReports([this](Report::CompositeReport &) { qrCompJointAddReports(); });
    m_qrCompBlank.setAddReports([this](Report::CompositeReport &) { qrCompBlankAddReports(); });
    m_qrComp.setSheetFooter([this] { return runSheetFooter(PrintRun::Personal, m_dm); });
    m_qrCompJoint.setSheetFooter([this] { return runSheetFooter(PrintRun::Joint, m_dm); });
    m_qrCompBlank.setSheetFooter([this] { return runSheetFooter(PrintRun::Blank, m_dm); });
    addRealEstateScheduleOption();
}

void TfrmPrint::addRealEstateScheduleOption()
{
    m_rbRealEstate = radioButton(this, QStringLiteral("rbRealEstate"), QStringLiteral("Print Schedule of Real Estate Owned"),
                                 {152, 298, 260, 17});
    m_qrCompRealEstate.setTitle(QStringLiteral("Schedule of Real Estate Owned"));
    m_qrCompRealEstate.setAddReports([this](Report::CompositeReport &composite) {
        for (const auto &page : m_realEstatePages)
            composite.addReport(page.get());
    });
    m_qrCompRealEstate.setSheetFooter([this] { return runSheetFooter(PrintRun::RealEstateSchedule, m_dm); });
    // The account numbers of its liens are masked as the statement's are.
    for (QRadioButton *option : {m_rbRealEstate, m_rbFS})
        connect(option, &QRadioButton::toggled, m_chkMask, [this](bool) { m_chkMask->setEnabled(!m_rbBlank->isChecked()); });
}

bool TfrmPrint::realEstateScheduleChosen() const
{
    return m_rbRealEstate->isChecked();
}

void TfrmPrint::withRealEstateSchedule(const std::function<void(Report::CompositeReport &composite)> &use)
{
    m_realEstatePages = createRunPages(PrintRun::RealEstateSchedule, m_dm);
    if (masksNumbers())
        maskRunNumbers(m_realEstatePages, m_dm);
    m_qrCompRealEstate.setFileName(runFileName(PrintRun::RealEstateSchedule, m_dm));
    const auto free = qScopeGuard([this] {
        m_qrCompRealEstate.clearReports();
        freeRunPages(m_realEstatePages);
    });
    use(m_qrCompRealEstate);
    letPendingMessagesRun();
}

void TfrmPrint::PreviewRealEstateSchedule()
{
    withRealEstateSchedule([this](Report::CompositeReport &composite) { m_dialogs.preview(composite, this); });
}

void TfrmPrint::PrintRealEstateSchedule()
{
    withRealEstateSchedule([this](Report::CompositeReport &composite) { printDialog(composite); });
}

void TfrmPrint::chooseBlankForm()
{
    m_rbBlank->setChecked(true);
    m_rbFS->setEnabled(m_dm.HasStatement() == QLatin1String("Yes"));
    m_rbRealEstate->setEnabled(m_rbFS->isEnabled());
}

void TfrmPrint::placeFullName()
{
    const QFontMetrics metrics(m_DBText19->font());
    const int right = FullNameLeft + metrics.horizontalAdvance(QLatin1String(FullNameDesignText));
    const int width = std::min(right, metrics.horizontalAdvance(m_DBText19->text()) + 2);
    m_DBText19->setGeometry(right - width, FullNameTop, width, metrics.height());
    m_lblStatementDate->setGeometry(0, FullNameTop + metrics.height(), right, metrics.height());
}

void TfrmPrint::showEvent(QShowEvent *event)
{
    SectionFrame::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void TfrmPrint::FormShow()
{
    SetButtons();
}

void TfrmPrint::SetButtons()
{
    m_imPrint->rest();
    m_imPreview->rest();
    letPendingMessagesRun();
}

void TfrmPrint::imBackgroundMouseMove()
{
    SetButtons();
}

void TfrmPrint::imPreviewMouseMove()
{
    SetButtons();
    m_imPreview->normal()->hide();
    m_imPreview->showHover();
    letPendingMessagesRun();
}

void TfrmPrint::imPrintMouseMove()
{
    SetButtons();
    m_imPrint->normal()->hide();
    m_imPrint->showHover();
    letPendingMessagesRun();
}

void TfrmPrint::imPreview_UpClick()
{
    if (m_rbSba413->isChecked()) {
        if (!m_sba413Check || !m_sba413Check([this] { PreviewSba413(); }))
            PreviewSba413();
        return;
    }
    // A statement is checked first; the check goes on by itself when the user asks it to.
    if (realEstateScheduleChosen() && m_realEstateCheck && m_realEstateCheck([this] { PreviewStatement(); }))
        return;
    if (m_rbFS->isChecked() && m_statementCheck && m_statementCheck([this] { PreviewStatement(); }))
        return;
    PreviewStatement();
}

void TfrmPrint::imPrint_UpClick()
{
    if (m_rbSba413->isChecked()) {
        if (!m_sba413Check || !m_sba413Check([this] { PrintSba413(); }))
            PrintSba413();
        return;
    }
    if (realEstateScheduleChosen() && m_realEstateCheck && m_realEstateCheck([this] { PrintStatement(); }))
        return;
    if (m_rbFS->isChecked() && m_statementCheck && m_statementCheck([this] { PrintStatement(); }))
        return;
    PrintStatement();
}

void TfrmPrint::btnCloseClick()
{
    m_dm.ClearStatementFilters();
    m_navigator.returnToOverview();
    close();
}

void TfrmPrint::setStatementCheck(StatementCheck check)
{
    m_statementCheck = std::move(check);
}

void TfrmPrint::setRealEstateCheck(StatementCheck check)
{
    m_realEstateCheck = std::move(check);
}

bool TfrmPrint::masksNumbers() const
{
    return m_chkMask->isChecked();
}

bool TfrmPrint::printsAsJoint() const
{
    return statementRun(m_dm) == PrintRun::Joint;
}

void TfrmPrint::PreviewStatement()
{
    if (realEstateScheduleChosen()) {
        PreviewRealEstateSchedule();
    } else if (m_rbFS->isChecked()) {
        PreviewSingleorJointStatement();
    } else {
        {
            PrintBlankStatement();
            const auto free = qScopeGuard([this] { FreeBlankStatement(); });
            m_dialogs.preview(m_qrCompBlank, this);
        }
        letPendingMessagesRun();
    }
    letPendingMessagesRun();
}

void TfrmPrint::PreviewSingleorJointStatement()
{
    withStatementRun([this](Report::CompositeReport &composite, bool) { m_dialogs.preview(composite, this); });
}

void TfrmPrint::PrintStatement()
{
    if (realEstateScheduleChosen()) {
        PrintRealEstateSchedule();
    } else if (m_rbFS->isChecked()) {
        PrintSingleorJointStatement();
    } else {
        {
            PrintBlankStatement();
            const auto free = qScopeGuard([this] { FreeBlankStatement(); });
            PrintDialogBlank();
        }
        letPendingMessagesRun();
    }
    letPendingMessagesRun();
}

void TfrmPrint::PrintSingleorJointStatement()
{
    withStatementRun([this](Report::CompositeReport &, bool joint) { joint ? PrintDialogJoint() : PrintDialogSingle(); });
}

void TfrmPrint::withStatementRun(const std::function<void(Report::CompositeReport &composite, bool joint)> &use)
{
    const bool joint = printsAsJoint();
    joint ? PrintJointStatement() : PrintSingleStatement();
    if (masksNumbers())
        maskRunNumbers(joint ? m_jointPages : m_singlePages, m_dm);
    Report::CompositeReport &composite = joint ? m_qrCompJoint : m_qrComp;
    composite.setFileName(runFileName(joint ? PrintRun::Joint : PrintRun::Personal, m_dm));
    // The pages go when the run ends, however it ends.
    const auto free = qScopeGuard([this, joint] { joint ? FreeJointStatement() : FreeSingleStatement(); });
    use(composite, joint);
}

void TfrmPrint::PrintSingleStatement()
{
    m_singlePages = createRunPages(PrintRun::Personal, m_dm);
}

void TfrmPrint::PrintJointStatement()
{
    m_jointPages = createRunPages(PrintRun::Joint, m_dm);
}

void TfrmPrint::PrintBlankStatement()
{
    m_blankPages = createRunPages(PrintRun::Blank, m_dm);
}

void TfrmPrint::AddSingleStatement()
{
    for (const auto &page : m_singlePages)
        m_qrComp.addReport(page.get());
}

void TfrmPrint::AddBlankStatement()
{
    for (const auto &page : m_blankPages)
        m_qrCompBlank.addReport(page.get());
}

void TfrmPrint::qrCompAddReports()
{
    AddSingleStatement();
}

void TfrmPrint::qrCompJointAddReports()
{
    for (const auto &page : m_jointPages)
        m_qrCompJoint.addReport(page.get());
}

void TfrmPrint::qrCompBlankAddReports()
{
    AddBlankStatement();
}

void TfrmPrint::FreeSingleStatement()
{
    m_qrComp.clearReports();
    freeRunPages(m_singlePages);
    letPendingMessagesRun();
}

void TfrmPrint::FreeJointStatement()
{
    m_qrCompJoint.clearReports();
    freeRunPages(m_jointPages);
    letPendingMessagesRun();
}

void TfrmPrint::FreeBlankStatement()
{
    m_qrCompBlank.clearReports();
    freeRunPages(m_blankPages);
}

void TfrmPrint::PrintDialogSingle()
{
    printDialog(m_qrComp);
}

void TfrmPrint::PrintDialogJoint()
{
    printDialog(m_qrCompJoint);
}

void TfrmPrint::PrintDialogBlank()
{
    printDialog(m_qrCompBlank);
}

void TfrmPrint::printDialog(Report::CompositeReport &composite)
{
    printThroughDialog(m_dialogs, this, composite);
    letPendingMessagesRun();
}

int TfrmPrint::pageObjectCount() const
{
    return int(m_singlePages.size() + m_jointPages.size() + m_blankPages.size() + m_realEstatePages.size()
               + m_sba413Pages.size());
}

void TfrmPrint::buildSba413Choice()
{
    m_rbSba413 = radioButton(this, QStringLiteral("rbSba413"), QStringLiteral("Print SBA Form 413"), {152, 226, 160, 17});
    m_rbSba413->setEnabled(m_dm.HasStatement() == QLatin1String("Yes"));
    m_lblCurrentUntil = new QLabel(this);
    m_lblCurrentUntil->setObjectName(QStringLiteral("lblCurrentUntil"));
    m_lblCurrentUntil->setFont(pixelFont(13));
    m_lblCurrentUntil->setGeometry(172, 245, 190, 18);
    m_lblCurrentUntil->hide();
    // The masked copy is one of the statement and of the form, never of the blank form.
    const auto maskable = [this] { m_chkMask->setEnabled(!m_rbBlank->isChecked()); };
    connect(m_rbFS, &QRadioButton::toggled, this, maskable);
    connect(m_rbSba413, &QRadioButton::toggled, this, maskable);
    connect(m_rbSba413, &QRadioButton::toggled, this, [this] { showSba413CurrentUntil(); });
    m_qrCompSba413.setTitle(QStringLiteral("SBA Form 413, Personal Financial Statement"));
    m_qrCompSba413.setAddReports([this](Report::CompositeReport &composite) {
        for (const auto &page : m_sba413Pages)
            composite.addReport(page.get());
    });
    m_qrCompSba413.setSheetFooter([this] { return runSheetFooter(statementRun(m_dm), m_dm); });
}

void TfrmPrint::setSba413Check(StatementCheck check, std::function<QDate()> currentUntil)
{
    m_sba413Check = std::move(check);
    m_sba413CurrentUntil = std::move(currentUntil);
    showSba413CurrentUntil();
}

void TfrmPrint::showSba413CurrentUntil()
{
    const QDate until = m_sba413CurrentUntil ? m_sba413CurrentUntil() : QDate();
    m_lblCurrentUntil->setText(until.isValid() ? QStringLiteral("current until ") + until.toString(QStringLiteral("MM/dd/yyyy"))
                                               : QString());
    m_lblCurrentUntil->setVisible(m_rbSba413->isChecked() && until.isValid());
}

void TfrmPrint::withSba413(const std::function<void(Report::CompositeReport &composite)> &use)
{
    m_sba413Pages = createSba413Pages(m_dm);
    if (masksNumbers())
        maskRunNumbers(m_sba413Pages, m_dm);
    m_qrCompSba413.setFileName(sba413FileName(m_dm));
    const auto free = qScopeGuard([this] {
        m_qrCompSba413.clearReports();
        freeRunPages(m_sba413Pages);
        letPendingMessagesRun();
    });
    use(m_qrCompSba413);
}

void TfrmPrint::PreviewSba413()
{
    withSba413([this](Report::CompositeReport &composite) { m_dialogs.preview(composite, this); });
    letPendingMessagesRun();
}

void TfrmPrint::PrintSba413()
{
    withSba413([this](Report::CompositeReport &composite) { printDialog(composite); });
    letPendingMessagesRun();
}
