#include "statement_date_window.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/guarded.h"
#include "base/messages.h"
#include "data/engine/table.h"
#include "data/statement_name.h"
#include "data/tdm1.h"
#include "readiness/readiness.h"
#include "totals/statement_actions.h"
#include "ui/db_edit.h"
#include "ui/navigator.h"
#include "ui/window_registry.h"
#include "window_catalogue.h"

namespace {

QLabel *noteLabel(const QString &name, const QString &text, QRect geometry, QWidget *parent)
{
    auto *note = new QLabel(text, parent);
    note->setObjectName(name);
    note->setWordWrap(true);
    note->setGeometry(geometry);
    return note;
}

} // namespace

TfrmStatementDate::TfrmStatementDate(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_dm(dm), m_navigator(navigator)
{
    setObjectName(QStringLiteral("frmStatementDate"));
    if (const CatalogueEntry *entry = findWindow(QStringLiteral("TfrmStatementDate")))
        setCaption(QString::fromLatin1(entry->caption));
    showStatement(currentStatementName(m_dm));

    noteLabel(QStringLiteral("lblDateNote"),
              QStringLiteral("The statement gives its figures as of this date; the summary and the foot of every "
                             "printed sheet show it."),
              {60, 80, 433, 36}, this);
    auto *caption = new QLabel(QStringLiteral("As of:"), this);
    caption->setObjectName(QStringLiteral("lblAsOf"));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setGeometry(60, 140, 120, 20);
    m_date = new DBEdit(this);
    m_date->setObjectName(QStringLiteral("dbDate"));
    m_date->setRule(DBEdit::Rule::UpToToday);
    m_date->setDataSource(&m_dm.dsFSPro);
    m_date->setDataField(QStringLiteral("Date"));
    m_date->setGeometry(184, 140, 90, 20);
    caption->setBuddy(m_date);
    auto *hint = new QLabel(QStringLiteral("mm/dd/yyyy"), this);
    hint->setObjectName(QStringLiteral("lblHintDate"));
    hint->setGeometry(280, 140, 100, 20);
    noteLabel(QStringLiteral("lblCopyNote"),
              QStringLiteral("Lenders ask for a statement dated within the last %1 days. To keep this statement as "
                             "it stands and start the next one from it, copy it instead: \"Copy as of Today\" in "
                             "the Overview's statement list (Ctrl+D).")
                  .arg(ReadinessMaximumAgeDays),
              {60, 190, 433, 52}, this);

    QPushButton *cancel = addButton("btnCancel", QStringLiteral("Cancel"), {359, ButtonRow});
    QPushButton *ok = addButton("btnOK", QStringLiteral("OK"), {440, ButtonRow});
    connect(ok, &QPushButton::clicked, this, guard([this] { btnOKClick(); }));
    connect(cancel, &QPushButton::clicked, this, guard([this] { btnCancelClick(); }));
    setTabOrder(m_date, ok);
    setTabOrder(ok, cancel);
}

void TfrmStatementDate::showEvent(QShowEvent *event)
{
    SectionFrame::showEvent(event);
    if (!event->spontaneous())
        TypedControl::focusRefused(m_date);
}

void TfrmStatementDate::btnOKClick()
{
    if (!TypedControl::checkTyping(this).isEmpty())
        return;
    // A statement is always made as of some date.
    if (m_dm.tblFSPro.FieldByName(QStringLiteral("Date")).AsString().trimmed().isEmpty()) {
        TypedControl::focusRefused(m_date);
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("Please enter \"As of\" as a date in the form mm/dd/yyyy."));
        return;
    }
    // The date alone changes: the totals are left as they are.
    SaveSectionRow(m_dm, m_dm.tblFSPro, [](Tdm1 &) {});
    m_navigator.returnToMain();
    close();
}

void TfrmStatementDate::btnCancelClick()
{
    m_dm.tblFSPro.Cancel();
    m_navigator.returnToMain();
    close();
}

void addStatementDateWindow(WindowRegistry &registry)
{
    registry.add<TfrmStatementDate>("TfrmStatementDate");
}
