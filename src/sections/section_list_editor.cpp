#include "section_list_editor.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/guarded.h"
#include "base/messages.h"
#include "base/pending_messages.h"
#include "data/engine/table.h"
#include "data/statement_name.h"
#include "data/tdm1.h"
#include "details_dialog.h"
#include "list_members.h"
#include "totals/statement_actions.h"
#include "ui/db_combo_box.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/format_money.h"
#include "ui/navigator.h"
#include "window_catalogue.h"

const QString SectionListEditor::DeleteQuestion = QStringLiteral("Do you want to delete this record?");

namespace {

constexpr int GridTop = 50;
constexpr int FieldsTop = 180;
constexpr int FieldsBottom = 384;

} // namespace

SectionListEditor::SectionListEditor(const ListMember &member, Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_member(member), m_dm(dm), m_navigator(navigator), m_table(dm.*member.table)
{
    if (const CatalogueEntry *entry = findWindow(QString::fromLatin1(member.className)))
        setCaption(QString::fromLatin1(entry->caption));
    showStatement(currentStatementName(m_dm));

    buildGrid();
    buildFields();
    buildButtons();
    connect(&m_dm.dsFSPro, &DataSource::currentChanged, this, &SectionListEditor::refreshTotal);

    // Made larger, the grid takes the room; the fields and buttons stay under it.
    anchor(m_grid, Anchors::Grows);
    anchor(m_total, Anchors::FollowsBottomRight);
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control->y() >= FieldsTop && control->y() < ButtonRow)
            anchor(control, Anchors::FollowsBottom);
    // The list windows share one size: the walk goes on in a window as large.
    setResizable(QStringLiteral("SectionListEditor"));
}

void SectionListEditor::buildGrid()
{
    m_grid = new DBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setAccessibleName(windowTitle());
    m_grid->setGeometry(30, GridTop, 493, 100);
    std::vector<TableModel::Column> columns;
    for (const ListMember::Column &c : m_member.columns)
        columns.push_back({QString::fromLatin1(c.field), QString::fromLatin1(c.title ? c.title : c.field), c.width, c.money});
    m_grid->setColumns(columns);
    m_grid->setDataSource(&(m_dm.*m_member.source));
    m_grid->setLeaveRowCheck([this] {
        bool left = false;
        guarded([&] { left = leaveRow(); });
        return left;
    });

    m_total = new QLabel(QStringLiteral("Total: $0.00"), this);
    m_total->setObjectName(QStringLiteral("lblTotal"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setGeometry(303, GridTop + 103, 220, 18);
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
}

void SectionListEditor::buildFields()
{
    const int count = int(m_member.fields.size());
    const int pitch = std::min(26, (FieldsBottom - FieldsTop) / std::max(1, count));
    int edits = 0, lists = 0;
    int y = FieldsTop;
    for (const ListMember::EditField &f : m_member.fields) {
        const QString field = QString::fromLatin1(f.field);
        auto *label = new QLabel(QString::fromLatin1(f.label), this);
        label->setObjectName(QStringLiteral("lbl") + field);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(112, y, 163, 20);

        const int width = f.after ? 80 : 243;
        QWidget *control = nullptr;
        if (f.entries) {
            auto *list = new DBComboBox(this);
            list->setObjectName(QStringLiteral("dbCombo%1").arg(++lists));
            list->setEntries(f.entries());
            list->setDataSource(&(m_dm.*m_member.source));
            list->setDataField(field);
            control = list;
        } else {
            auto *edit = new DBEdit(this);
            edit->setObjectName(QStringLiteral("db%1").arg(++edits));
            edit->setDataSource(&(m_dm.*m_member.source));
            edit->setDataField(field);
            edit->setRule(f.rule);
            control = edit;
        }
        control->setGeometry(280, y, width, 20);
        label->setBuddy(control);
        if (f.after) {
            auto *after = new QLabel(QString::fromLatin1(f.after), this);
            after->setGeometry(280 + width + 5, y, 150, 20);
        }
        m_fields.push_back(control);
        y += pitch;
    }
}

void SectionListEditor::buildButtons()
{
    QPushButton *add = addButton("btnAdd", QStringLiteral("Add"), {30, FieldsTop});
    QPushButton *remove = addButton("btnDelete", QStringLiteral("Delete"), {30, FieldsTop + 32});
    QPushButton *cancel = addButton("btnCancel", QStringLiteral("Cancel"), {30, FieldsTop + 64});
    QPushButton *closeButton = addButton("btnClose", QStringLiteral("Close"), {197, ButtonRow});
    m_btnPrevious = addButton("btnPrevious", QStringLiteral("<< Previous"), {278, ButtonRow});
    m_btnNext = addButton("btnNext", QStringLiteral("Next >>"), {359, ButtonRow});
    QPushButton *ok = addButton("btnOK", QStringLiteral("OK"), {440, ButtonRow});
    // The further fields of the lender's forms open in a dialog, in the room under Cancel.
    QPushButton *details = nullptr;
    if (const DetailsWindow *window = findDetailsWindow(QString::fromLatin1(m_member.className))) {
        details = addButton("btnDetails", QString::fromUtf8(window->button), {30, FieldsTop + 96});
        connect(details, &QPushButton::clicked, this, guard([this] { btnDetailsClick(); }));
    }

    connect(add, &QPushButton::clicked, this, guard([this] { btnAddClick(); }));
    connect(remove, &QPushButton::clicked, this, guard([this] { btnDeleteClick(); }));
    connect(cancel, &QPushButton::clicked, this, guard([this] { btnCancelClick(); }));
    connect(closeButton, &QPushButton::clicked, this, guard([this] { btnCloseClick(); }));
    connect(m_btnPrevious, &QPushButton::clicked, this, guard([this] { btnPreviousClick(); }));
    connect(m_btnNext, &QPushButton::clicked, this, guard([this] { btnNextClick(); }));
    connect(ok, &QPushButton::clicked, this, guard([this] { btnOKClick(); }));

    // Tab runs through the fields in their order, then the buttons, then the grid.
    std::vector<QWidget *> chain = m_fields;
    for (QWidget *w : {static_cast<QWidget *>(add), static_cast<QWidget *>(remove), static_cast<QWidget *>(cancel),
                       static_cast<QWidget *>(details), static_cast<QWidget *>(closeButton), static_cast<QWidget *>(m_btnPrevious),
                       static_cast<QWidget *>(m_btnNext), static_cast<QWidget *>(ok), static_cast<QWidget *>(m_grid)})
        chain.push_back(w);
    std::erase(chain, nullptr);
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

DetailsDialog *SectionListEditor::btnDetailsClick()
{
    const DetailsWindow *window = findDetailsWindow(QString::fromLatin1(m_member.className));
    if (!window)
        return nullptr;
    auto *dialog = new DetailsDialog(m_dm, m_dm.*m_member.source, QString::fromLatin1(window->page), this);
    dialog->open();
    return dialog;
}

QWidget *SectionListEditor::controlOf(const QString &field) const
{
    for (QWidget *control : m_fields)
        if (control->property("dataField").toString().compare(field, Qt::CaseInsensitive) == 0)
            return control;
    return nullptr;
}

QWidget *SectionListEditor::firstField() const
{
    return m_fields.empty() ? nullptr : m_fields.front();
}

void SectionListEditor::focusFirstField()
{
    if (QWidget *first = firstField())
        first->setFocus(Qt::OtherFocusReason);
}

void SectionListEditor::refreshTotal()
{
    // Read from inside the totals row's notifications: a total that cannot be read is
    // shown as none; the operation that failed reports it.
    double total = 0;
    try {
        if (m_dm.tblFSPro.Active() && m_dm.tblFSPro.FieldByName(QStringLiteral("ClientId")).AsString() == m_dm.CurrentClientId)
            total = m_dm.tblFSPro.FieldByName(QString::fromLatin1(m_member.totalField)).AsFloat();
    } catch (const std::exception &) {
    }
    m_total->setText(QStringLiteral("Total: ") + FormatMoney(total));
}

void SectionListEditor::showEvent(QShowEvent *event)
{
    SectionFrame::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void SectionListEditor::FormShow()
{
    refreshTotal();
    m_grid->doItemsLayout();
    if (m_member.focusFirstOnShow)
        focusFirstField();
    letPendingMessagesRun();
}

QString SectionListEditor::Check()
{
    // Typing that is not a value of its field is never stored, nor passed over as empty.
    const QString refused = TypedControl::checkTyping(this);
    if (!refused.isEmpty())
        return refused;
    bool error = false;
    bool allEmpty = true;
    QString message;
    for (const ListMember::Required &required : m_member.required) {
        const QString field = QString::fromLatin1(required.field);
        if (!m_table.FieldByName(field).AsString().isEmpty()) {
            allEmpty = false;
            continue;
        }
        if (!error) {
            error = true;
            message = QString::fromLatin1(required.message);
            TypedControl::focusRefused(controlOf(field));
        }
    }
    if (allEmpty)
        return QStringLiteral("Cancel");
    if (error) {
        Messages::current().show(Messages::Kind::Error, message);
        return message;
    }
    return QStringLiteral("Go");
}

void SectionListEditor::Save()
{
    const bool typed = m_table.state() == Table::State::Insert
        || (m_table.state() == Table::State::Edit && m_table.Modified());
    if (typed && m_member.derive)
        m_member.derive(m_table);
    SaveSectionRow(m_dm, m_table, m_member.recalc);
    refreshTotal();
}

bool SectionListEditor::storeOrDiscard()
{
    const QString outcome = Check();
    if (outcome == QLatin1String("Go")) {
        Save();
        return true;
    }
    if (outcome == QLatin1String("Cancel")) {
        m_table.Cancel();
        return true;
    }
    return false;
}

bool SectionListEditor::leaveRow()
{
    return storeOrDiscard();
}

void SectionListEditor::btnAddClick()
{
    // A row being typed is checked and stored first, as leaving it in the grid would.
    if (m_table.state() != Table::State::Browse && m_table.Modified() && !storeOrDiscard())
        return;
    m_table.Append();
    focusFirstField();
}

void SectionListEditor::btnDeleteClick()
{
    const bool hasRow = m_table.state() == Table::State::Insert || m_table.hasCurrentRow();
    if (hasRow
        && Messages::current().show(Messages::Kind::Warning, DeleteQuestion, Messages::Buttons::YesNo)
            == Messages::Answer::Yes) {
        if (m_table.state() == Table::State::Insert) {
            m_table.Cancel();
            RecalcSection(m_dm, m_member.recalc);
        } else {
            DeleteSectionRow(m_dm, m_table, m_member.recalc);
        }
        refreshTotal();
    }
    focusFirstField();
}

void SectionListEditor::btnCancelClick()
{
    m_table.Cancel();
    TypedControl::revertTyping(this);
    RecalcSection(m_dm, m_member.recalc);
    refreshTotal();
    focusFirstField();
}

void SectionListEditor::btnOKClick()
{
    if (Check() != QLatin1String("Go"))
        return;
    Save();
    focusFirstField();
    letPendingMessagesRun();
}

void SectionListEditor::leaveFor(const QString &target)
{
    const QString outcome = Check();
    if (outcome == QLatin1String("Go")) {
        Save();
    } else if (outcome == QLatin1String("Cancel")) {
        // Nothing to store; the section's total is still written, so an empty section
        // shows $.00 rather than nothing.
        m_table.Cancel();
        RecalcSection(m_dm, m_member.recalc);
    } else {
        return;
    }
    if (target.isEmpty()) {
        m_navigator.returnToMain();
    } else {
        // The particulars windows edit the statement's own row from the start.
        if (editsClientRow(target))
            m_dm.tblClient.Edit();
        m_navigator.open(target);
        letPendingMessagesRun();
    }
    close();
}

void SectionListEditor::btnNextClick()
{
    const CatalogueEntry *entry = findWindow(QString::fromLatin1(m_member.className));
    leaveFor(entry ? nextWindow(*entry, m_dm.IsJointStatement() == QLatin1String("Yes")) : QString());
}

void SectionListEditor::btnPreviousClick()
{
    const CatalogueEntry *entry = findWindow(QString::fromLatin1(m_member.className));
    leaveFor(entry ? previousWindow(*entry, m_dm.IsJointStatement() == QLatin1String("Yes")) : QString());
}

void SectionListEditor::btnCloseClick()
{
    CloseToMain();
}

void SectionListEditor::CloseToMain()
{
    leaveFor(QString());
}
