#include "login_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "data/tdm1.h"
#include "base/guarded.h"
#include "base/messages.h"
#include "base/pending_messages.h"
#include "ui/picture.h"
#include "ui/typed_control.h"
#include "ui/window_keys.h"

const QString LoginPages::NewLoginTitle = QStringLiteral("Enter a NEW Username and Password");
const QString LoginPages::IncompleteTitle = QStringLiteral("Please Complete All Information");

namespace {

const QColor Maroon(128, 0, 0);

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, QRect geometry, int pixels = 12,
              bool bold = false)
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setFont(pixelFont(pixels, bold));
    l->setGeometry(geometry);
    setColour(l, Qt::black);
    return l;
}

QLineEdit *edit(QWidget *parent, const QString &name, QRect geometry, bool password = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(pixelFont(12));
    e->setGeometry(geometry);
    if (password)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, QPoint position)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(pixelFont(12));
    b->setGeometry(QRect(position, QSize(75, 25)));
    return b;
}

QFrame *frame(QWidget *parent, QRect geometry)
{
    auto *f = new QFrame(parent);
    f->setGeometry(geometry);
    f->setFrameShape(QFrame::StyledPanel);
    f->setStyleSheet(QStringLiteral("QFrame { background: #f6f8fc; border: 1px solid #b9c4d8; border-radius: 4px; }"
                                    "QLabel { border: none; background: transparent; }"));
    return f;
}

Picture *picture(const QString &artwork, const QString &name, QWidget *parent, QPoint position)
{
    auto *p = new Picture(artwork, parent, position);
    p->setObjectName(name);
    return p;
}

} // namespace

LoginPages::LoginPages(Tdm1 &dm, QStackedWidget *pc1, QWidget *tsLogin, QWidget *tsSecureLogin, QWidget *tsForgot)
    : QObject(pc1), m_dm(dm), m_pc1(pc1), m_tsLogin(tsLogin), m_tsSecureLogin(tsSecureLogin), m_tsForgot(tsForgot)
{
    buildLoginPage(tsLogin);
    buildSecurePage(tsSecureLogin);
    buildForgotPage(tsForgot);
}

void LoginPages::buildLoginPage(QWidget *page)
{
    new Picture(QStringLiteral("imLogin"), page, {3, 3});
    m_imNotProtected = new Picture(QStringLiteral("imNotProtected"), page, {38, 48});
    m_imProtected = new Picture(QStringLiteral("imProtected"), page, {38, 48});

    QFrame *hint = frame(page, {38, 137, 193, 252});
    label(hint, {}, QStringLiteral("Hint:"), {10, 8, 170, 18}, 12, true);
    auto *memo = label(hint, QStringLiteral("memLogin_hint"),
                       QStringLiteral("Valuable financial and \npersonal information is \nstored in this applicaton. \n"
                                      "It is recommended that \nyou password protect \nthis application and its \n"
                                      "contents."),
                       {10, 34, 175, 130});
    memo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label(hint, {}, QStringLiteral("* Store password in a safe place."), {10, 190, 178, 16}, 11);

    QFrame *login = frame(page, {243, 137, 247, 252});
    label(login, {}, QStringLiteral("Login:"), {10, 8, 200, 18}, 12, true);
    m_lblLoginUserTitle = label(login, QStringLiteral("lblLoginUserTitle"), NewLoginTitle, {0, 28, 247, 18}, 12, true);
    m_lblLoginUserTitle->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_lblLoginUser = label(login, QStringLiteral("lblLoginUser"), QStringLiteral("Username:"), {12, 52, 200, 16});
    m_edLoginUser = edit(login, QStringLiteral("edLoginUser"), {12, 68, 223, 22});
    m_lblLoginPassword = label(login, QStringLiteral("lblLoginPassword"), QStringLiteral("Password:"), {12, 94, 200, 16});
    m_edLoginPassword = edit(login, QStringLiteral("edLoginPassword"), {12, 110, 223, 22}, true);
    m_lblHintQuestion = label(login, QStringLiteral("lblHintQuestion"), QStringLiteral("Hint Question:"), {12, 136, 200, 16});
    m_cbHint = new QComboBox(login);
    m_cbHint->setObjectName(QStringLiteral("cbHint"));
    m_cbHint->setEditable(true);
    m_cbHint->setInsertPolicy(QComboBox::NoInsert);
    m_cbHint->setFont(pixelFont(12));
    m_cbHint->setGeometry(12, 152, 223, 22);
    m_cbHint->addItems({QString(), QStringLiteral("What high school did you attend?"),
                        QStringLiteral("What was your high school mascot?"), QStringLiteral("Who is your favorite person?"),
                        QStringLiteral("What hospital were you born in?"), QStringLiteral("What city were you born in?"),
                        QStringLiteral("What is your favorite song?"), QStringLiteral("Who is your favorite artist?"),
                        QStringLiteral("What is your favorite food?"),
                        QStringLiteral("What is the name of your first pet?"), QString()});
    m_lblHintAnswer = label(login, QStringLiteral("lblHintAnswer"), QStringLiteral("Hint Answer:"), {12, 178, 200, 16});
    m_edAnswer = edit(login, QStringLiteral("edAnswer"), {12, 194, 223, 22});
    m_cbLoginContinue = new QCheckBox(QStringLiteral("Continue without  password protection."), login);
    m_cbLoginContinue->setObjectName(QStringLiteral("cbLogin_continue"));
    m_cbLoginContinue->setFont(pixelFont(12));
    m_cbLoginContinue->setGeometry(12, 224, 230, 20);

    m_btnLoginCancel = button(page, QStringLiteral("btnLoginCancel"), QStringLiteral("Cancel"), {343, 402});
    m_btnLoginOK = button(page, QStringLiteral("btnLoginOK"), QStringLiteral("OK"), {424, 402});
    m_btnLoginOK->setDefault(true);
    QWidget::setTabOrder(m_edLoginUser, m_edLoginPassword);
    QWidget::setTabOrder(m_edLoginPassword, m_cbHint);
    QWidget::setTabOrder(m_cbHint, m_edAnswer);
    QWidget::setTabOrder(m_edAnswer, m_cbLoginContinue);
    QWidget::setTabOrder(m_cbLoginContinue, m_btnLoginOK);
    QWidget::setTabOrder(m_btnLoginOK, m_btnLoginCancel);

    connect(m_btnLoginOK, &QPushButton::clicked, this, guard([this] { btnLoginOKClick(); }));
    connect(m_btnLoginCancel, &QPushButton::clicked, this, guard([this] { btnLoginCancelClick(); }));
    // Enter in any field submits the page; Esc cancels a change of the login.
    new WindowKeys(
        page, [this] { return m_btnLoginCancel; }, [this] { return m_btnLoginOK; });
}

void LoginPages::buildSecurePage(QWidget *page)
{
    picture(QStringLiteral("imLogin"), QStringLiteral("imLogin1"), page, {3, 3});
    picture(QStringLiteral("imProtected"), QStringLiteral("imProtected1"), page, {38, 64});
    QFrame *box = frame(page, {113, 165, 300, 190});
    m_lblSecureHeader = label(box, QStringLiteral("lblSecureHeader"), QStringLiteral("Enter Username and Password"),
                              {0, 12, 300, 20}, 13, true);
    m_lblSecureHeader->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_lblLoginUser1 = label(box, QStringLiteral("lblLoginUser1"), QStringLiteral("Username:"), {30, 44, 240, 16});
    m_edLoginUser1 = edit(box, QStringLiteral("edLoginUser1"), {30, 60, 240, 22});
    m_lblLoginPassword1 = label(box, QStringLiteral("lblLoginPassword1"), QStringLiteral("Password:"), {30, 90, 240, 16});
    m_edLoginPassword1 = edit(box, QStringLiteral("edLoginPassword1"), {30, 106, 240, 22}, true);
    auto *forgot = new ClickLabel(box);
    forgot->setObjectName(QStringLiteral("lblForgot"));
    forgot->setText(QStringLiteral("I forgot my password."));
    QFont linkFont = pixelFont(12);
    linkFont.setUnderline(true);
    forgot->setFont(linkFont);
    setColour(forgot, Qt::blue);
    forgot->setCursor(Qt::PointingHandCursor);
    forgot->setGeometry(30, 144, 200, 18);
    connect(forgot, &ClickLabel::clicked, this, guard([this] { ShowForgotPage(); }));

    auto *ok = button(page, QStringLiteral("btnSecureOK"), QStringLiteral("OK"), {424, 402});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, guard([this] { btnSecureOKClick(); }));
    // The login has no Cancel: Esc leaves the user where the login stands.
    new WindowKeys(page, nullptr, [ok] { return ok; });
}

void LoginPages::buildForgotPage(QWidget *page)
{
    picture(QStringLiteral("imLogin"), QStringLiteral("imLogin2"), page, {3, 3});
    picture(QStringLiteral("imProtected"), QStringLiteral("imProtected2"), page, {38, 48});
    QFrame *box = frame(page, {63, 140, 400, 240});
    auto *heading = label(box, {}, QStringLiteral("Answer the Password Hint Question"), {0, 12, 400, 20}, 13, true);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label(box, {}, QStringLiteral("Question:"), {20, 48, 80, 18});
    m_lblQuestion = label(box, QStringLiteral("lblQuestion"), {}, {100, 48, 290, 18}, 12, true);
    label(box, {}, QStringLiteral("Answer:"), {20, 82, 80, 18});
    m_edAnswerForgot = edit(box, QStringLiteral("edAnswerForgot"), {100, 80, 280, 22});
    m_lblForgot1 = label(box, QStringLiteral("lblForgot1"), QStringLiteral("Username:"), {20, 130, 80, 18});
    m_lblForgotUser = label(box, QStringLiteral("lblForgotUser"), {}, {100, 130, 280, 18}, 12, true);
    m_lblForgot2 = label(box, QStringLiteral("lblForgot2"), QStringLiteral("Password:"), {20, 156, 80, 18});
    m_lblForgotPassword = label(box, QStringLiteral("lblForgotPassword"), {}, {100, 156, 280, 18}, 12, true);
    for (QLabel *l : {m_lblForgot1, m_lblForgotUser, m_lblForgot2, m_lblForgotPassword}) {
        setColour(l, Maroon);
        l->setTextFormat(Qt::PlainText);
        l->hide();
    }
    m_lblQuestion->setTextFormat(Qt::PlainText);

    auto *cancel = button(page, QStringLiteral("btnForgotCancel"), QStringLiteral("Cancel"), {343, 402});
    auto *ok = button(page, QStringLiteral("btnForgotOK"), QStringLiteral("OK"), {424, 402});
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, guard([this] { ShowLoginPage(); }));
    connect(ok, &QPushButton::clicked, this, guard([this] { btnForgotOKClick(); }));
    connect(m_edAnswerForgot, &QLineEdit::textChanged, this, guard([this](const QString &text) { edAnswerForgotChange(text); }));
    new WindowKeys(
        page, [cancel] { return cancel; }, [ok] { return ok; });
}

QString LoginPages::stored(const char *field)
{
    m_dm.tblUser.First();
    return m_dm.tblUser.FieldByName(QString::fromLatin1(field)).AsString();
}

bool LoginPages::loginStored()
{
    return !stored("User").isEmpty();
}

void LoginPages::StartLogin()
{
    if (!loginStored())
        ShowNewLoginPage();
    else
        ShowLoginPage();
    if (m_changeMode)
        ShowChangeLoginPage();
    letPendingMessagesRun();
}

void LoginPages::ShowNewLoginPage()
{
    for (QLabel *l : {m_lblLoginUser, m_lblLoginPassword, m_lblHintQuestion, m_lblHintAnswer, m_lblLoginUserTitle})
        setColour(l, Qt::black);
    m_lblLoginUserTitle->setText(NewLoginTitle);
    m_imNotProtected->show();
    m_imProtected->hide();
    m_cbLoginContinue->setChecked(false);
    m_pc1->setCurrentWidget(m_tsLogin);
    m_edLoginUser->clear();
    m_edLoginPassword->clear();
    m_cbHint->setCurrentIndex(0);
    m_cbHint->setEditText(QString());
    m_edAnswer->clear();
    m_edLoginUser->setFocus();
    m_btnLoginCancel->hide();
}

void LoginPages::ShowLoginPage()
{
    m_pc1->setCurrentWidget(m_tsSecureLogin);
    for (QLabel *l : {m_lblLoginUser1, m_lblLoginPassword1, m_lblSecureHeader})
        setColour(l, Qt::black);
    m_lblSecureHeader->setText(QStringLiteral("Enter Username and Password"));
    m_edLoginUser1->clear();
    m_edLoginPassword1->clear();
    m_edLoginUser1->setFocus();
}

void LoginPages::ShowChangeLoginPage()
{
    const bool isStored = loginStored();
    m_imNotProtected->setVisible(!isStored);
    m_imProtected->setVisible(isStored);
    for (QLabel *l : {m_lblLoginUser, m_lblLoginPassword, m_lblHintQuestion, m_lblHintAnswer, m_lblLoginUserTitle})
        setColour(l, Qt::black);
    m_lblLoginUserTitle->setText(NewLoginTitle);
    m_cbLoginContinue->setChecked(false);
    m_pc1->setCurrentWidget(m_tsLogin);
    m_edLoginUser->setText(stored("User"));
    m_edLoginPassword->setText(stored("Password"));
    m_cbHint->setEditText(stored("HintQuestion1"));
    m_edAnswer->setText(stored("HintAnswer1"));
    m_btnLoginCancel->show();
    m_edLoginUser->setFocus();
}

void LoginPages::ShowForgotPage()
{
    const QString answer = stored("HintAnswer1");
    m_pc1->setCurrentWidget(m_tsForgot);
    m_lblQuestion->setText(stored("HintQuestion1"));
    m_edAnswerForgot->clear();
    // An empty stored answer sets no limit rather than a field that takes nothing.
    m_edAnswerForgot->setMaxLength(answer.isEmpty() ? 32767 : int(answer.size()));
    m_edAnswerForgot->setFocus();
    for (QLabel *l : {m_lblForgot1, m_lblForgotUser, m_lblForgot2, m_lblForgotPassword})
        l->hide();
}

QString LoginPages::ValidateNewLogin()
{
    for (QLabel *l : {m_lblLoginUser, m_lblLoginPassword, m_lblHintQuestion, m_lblHintAnswer, m_lblLoginUserTitle})
        setColour(l, Qt::black);
    bool missing = false;
    const auto check = [&missing](const QString &text, QLabel *caption) {
        if (text.isEmpty()) {
            setColour(caption, Qt::red);
            missing = true;
        }
    };
    check(m_edLoginUser->text(), m_lblLoginUser);
    check(m_edLoginPassword->text(), m_lblLoginPassword);
    check(m_cbHint->currentText(), m_lblHintQuestion);
    check(m_edAnswer->text(), m_lblHintAnswer);
    if (missing) {
        m_lblLoginUserTitle->setText(IncompleteTitle);
        setColour(m_lblLoginUserTitle, Qt::red);
        return QStringLiteral("Yes");
    }
    return QStringLiteral("No");
}

void LoginPages::writeLogin(const QString &user, const QString &password, const QString &question,
                            const QString &answer)
{
    Table &table = m_dm.tblUser;
    table.First();
    table.Edit();
    table.FieldByName(QStringLiteral("User")).SetAsString(user);
    table.FieldByName(QStringLiteral("Password")).SetAsString(password);
    table.FieldByName(QStringLiteral("HintQuestion1")).SetAsString(question);
    table.FieldByName(QStringLiteral("HintAnswer1")).SetAsString(answer);
    table.Post();
}

void LoginPages::SaveLogin()
{
    writeLogin(m_edLoginUser->text(), m_edLoginPassword->text(), m_cbHint->currentText(), m_edAnswer->text());
}

void LoginPages::ClearLogin()
{
    writeLogin({}, {}, {}, {});
}

void LoginPages::btnLoginOKClick()
{
    if (m_cbLoginContinue->isChecked()) {
        if (m_changeMode) {
            ClearLogin();
            Messages::current().show(Messages::Kind::Information, QStringLiteral("Login successfully updated."));
        }
        emit EnterProgram();
        return;
    }
    if (ValidateNewLogin() != QLatin1String("No"))
        return;
    SaveLogin();
    if (m_changeMode)
        Messages::current().show(Messages::Kind::Information, QStringLiteral("Login successfully updated."));
    emit EnterProgram();
}

void LoginPages::btnLoginCancelClick()
{
    if (m_changeMode)
        emit changeCancelled();
    else
        StartLogin();
}

void LoginPages::btnSecureOKClick()
{
    for (QLabel *l : {m_lblLoginUser1, m_lblLoginPassword1, m_lblSecureHeader})
        setColour(l, Qt::black);
    bool missing = false;
    if (m_edLoginUser1->text().isEmpty()) {
        setColour(m_lblLoginUser1, Qt::red);
        missing = true;
    }
    if (m_edLoginPassword1->text().isEmpty()) {
        setColour(m_lblLoginPassword1, Qt::red);
        missing = true;
    }
    if (missing) {
        m_lblSecureHeader->setText(IncompleteTitle);
        setColour(m_lblSecureHeader, Qt::red);
        return;
    }
    if (m_edLoginUser1->text() != stored("User") || m_edLoginPassword1->text() != stored("Password")) {
        m_lblSecureHeader->setText(QStringLiteral("Invalid Username and/or Password"));
        setColour(m_lblSecureHeader, Qt::red);
        TypedControl::focusRefused(m_edLoginUser1);
        return;
    }
    emit EnterProgram();
}

void LoginPages::edAnswerForgotChange(const QString &text)
{
    if (text != stored("HintAnswer1"))
        return;
    m_lblForgotUser->setText(stored("User"));
    m_lblForgotPassword->setText(stored("Password"));
    for (QLabel *l : {m_lblForgot1, m_lblForgotUser, m_lblForgot2, m_lblForgotPassword})
        l->show();
}

void LoginPages::btnForgotOKClick()
{
    if (m_edAnswerForgot->text() != stored("HintAnswer1")) {
        Messages::current().show(Messages::Kind::Error,
                                 QStringLiteral("The password hint answer provided is incorrect.\n\rPlease try again."));
        TypedControl::focusRefused(m_edAnswerForgot);
        return;
    }
    ShowLoginPage();
}
