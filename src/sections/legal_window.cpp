#include "legal_window.h"

#include <vector>

#include <QLabel>
#include <QPushButton>

#include "base/guarded.h"
#include "base/pending_messages.h"
#include "data/engine/table.h"
#include "data/entry_lists.h"
#include "data/legal_questions.h"
#include "data/statement_name.h"
#include "data/tdm1.h"
#include "ui/db_combo_box.h"
#include "ui/db_edit.h"
#include "ui/navigator.h"
#include "ui/window_registry.h"
#include "window_catalogue.h"

const QString LegalWindow::Note =
    QStringLiteral("Note:  Explanations are only required on questions that were answered \"Yes\".");

namespace {

constexpr int QuestionsTop = 52;
constexpr int QuestionPitch = 62;

} // namespace

LegalWindow::LegalWindow(StatementWindow window, Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : SectionFrame(parent), m_dm(dm), m_navigator(navigator), m_last(window == StatementWindow::SecondLegal)
{
    showStatement(currentStatementName(m_dm));

    std::vector<QWidget *> chain;
    int i = 0; // the question's place on this window
    const auto &questions = legalQuestions();
    for (size_t number = 0; number < questions.size(); ++number) {
        const LegalQuestion &q = questions[number];
        if (q.window != window)
            continue;
        const int y = QuestionsTop + i * QuestionPitch;
        auto *question = new QLabel(QString::fromLatin1(q.text), this);
        question->setObjectName(QStringLiteral("lblQuestion%1").arg(number + 1));
        question->setGeometry(30, y, 493, 18);

        auto *answer = new DBComboBox(this);
        answer->setObjectName(QStringLiteral("dbCombo%1").arg(i + 1));
        answer->setEntries(EntryLists::noYes());
        answer->setDataSource(&m_dm.dsLegal);
        answer->setDataField(QString::fromLatin1(q.answerField));
        answer->setGeometry(30, y + 22, 70, 20);

        auto *caption = new QLabel(QString::fromLatin1(q.explanationCaption), this);
        caption->setObjectName(QStringLiteral("lblExplanation%1").arg(number + 1));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(108, y + 22, 60, 20);

        auto *explanation = new DBEdit(this);
        explanation->setObjectName(QStringLiteral("db%1").arg(i + 1));
        explanation->setDataSource(&m_dm.dsLegal);
        explanation->setDataField(QString::fromLatin1(q.explanationField));
        explanation->setGeometry(172, y + 22, 351, 20);
        caption->setBuddy(explanation);
        question->setBuddy(answer);
        chain.push_back(answer);
        chain.push_back(explanation);
        ++i;
    }
    auto *note = new QLabel(Note, this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setGeometry(30, QuestionsTop + i * QuestionPitch - 4, 493, 18);

    QPushButton *closeButton = addButton("btnClose", QStringLiteral("Close"), {197, ButtonRow});
    QPushButton *previous = addButton("btnPrevious", QStringLiteral("<< Previous"), {278, ButtonRow});
    // The second window closes the walk: it has no Next.
    QPushButton *next = m_last ? nullptr : addButton("btnNext", QStringLiteral("Next >>"), {359, ButtonRow});
    QPushButton *ok = addButton("btnOK", QStringLiteral("OK"), {440, ButtonRow});
    connect(closeButton, &QPushButton::clicked, this, guard([this] { CloseToMain(); }));
    connect(ok, &QPushButton::clicked, this, guard([this] { CloseToMain(); }));
    connect(previous, &QPushButton::clicked, this, guard([this] { btnPreviousClick(); }));
    if (next)
        connect(next, &QPushButton::clicked, this, guard([this] { btnNextClick(); }));
    for (QWidget *b : {static_cast<QWidget *>(closeButton), static_cast<QWidget *>(previous),
                       static_cast<QWidget *>(next), static_cast<QWidget *>(ok)})
        if (b)
            chain.push_back(b);
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void LegalWindow::takeCatalogueCaption()
{
    if (const CatalogueEntry *entry = findWindow(QString::fromLatin1(metaObject()->className())))
        setCaption(QString::fromLatin1(entry->caption));
}

void LegalWindow::UpdateLegal()
{
    Table &legal = m_dm.tblLegal;
    // Untouched, nothing is stored.
    if (legal.state() == Table::State::Browse || !legal.Modified()) {
        legal.Cancel();
        return;
    }
    legal.FieldByName(QStringLiteral("ClientId")).SetAsString(m_dm.CurrentClientId);
    legal.Post();
}

void LegalWindow::leaveFor(const QString &target)
{
    // An answer that is none of the list's is never stored, nor passed over.
    if (!TypedControl::checkTyping(this).isEmpty())
        return;
    UpdateLegal();
    if (target.isEmpty()) {
        m_navigator.returnToMain();
    } else {
        m_navigator.open(target);
        letPendingMessagesRun();
    }
    close();
}

void LegalWindow::btnNextClick()
{
    const CatalogueEntry *entry = findWindow(QString::fromLatin1(metaObject()->className()));
    if (entry)
        leaveFor(nextWindow(*entry, false));
}

void LegalWindow::btnPreviousClick()
{
    const CatalogueEntry *entry = findWindow(QString::fromLatin1(metaObject()->className()));
    if (entry)
        leaveFor(previousWindow(*entry, false));
}

void LegalWindow::CloseToMain()
{
    leaveFor(QString());
}

TfrmLegal::TfrmLegal(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : LegalWindow(StatementWindow::FirstLegal, dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmLegal"));
    takeCatalogueCaption();
}

TfrmLegal2::TfrmLegal2(Tdm1 &dm, Navigator &navigator, QWidget *parent)
    : LegalWindow(StatementWindow::SecondLegal, dm, navigator, parent)
{
    setObjectName(QStringLiteral("frmLegal2"));
    takeCatalogueCaption();
}

void addLegalWindows(WindowRegistry &registry)
{
    registry.add<TfrmLegal>("TfrmLegal");
    registry.add<TfrmLegal2>("TfrmLegal2");
}
