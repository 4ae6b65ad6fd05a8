#pragma once

#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QWidget;
class Messages;
class Picture;
class Tdm1;

// The three login pages of the main window's page control: a new or changed login, the
// login itself, and the recovery of a forgotten password through the hint question. The
// login is the first row of User, kept as typed.
class LoginPages : public QObject
{
    Q_OBJECT

public:
    static const QString NewLoginTitle;
    static const QString IncompleteTitle;

    // Builds the pages into pc1 (tsLogin, tsSecureLogin, tsForgot, in their places).
    LoginPages(Tdm1 &dm, QStackedWidget *pc1, QWidget *tsLogin, QWidget *tsSecureLogin, QWidget *tsForgot);

    // Change-login mode: the pages were opened from the Settings page.
    void setChangeMode(bool changeMode) { m_changeMode = changeMode; }
    bool changeMode() const { return m_changeMode; }

    void StartLogin();
    void ShowNewLoginPage();
    void ShowLoginPage();
    void ShowChangeLoginPage();
    void ShowForgotPage();
    QString ValidateNewLogin();
    void SaveLogin();
    void ClearLogin();
    bool loginStored();

signals:
    // The user passed the login (or chose to go on without one).
    void EnterProgram();
    // Cancel while changing the login: back to the Settings page.
    void changeCancelled();

private:
    void buildLoginPage(QWidget *page);
    void buildSecurePage(QWidget *page);
    void buildForgotPage(QWidget *page);
    void btnLoginOKClick();
    void btnLoginCancelClick();
    void btnSecureOKClick();
    void btnForgotOKClick();
    void edAnswerForgotChange(const QString &text);
    void writeLogin(const QString &user, const QString &password, const QString &question, const QString &answer);
    QString stored(const char *field);

    Tdm1 &m_dm;
    QStackedWidget *m_pc1;
    QWidget *m_tsLogin;
    QWidget *m_tsSecureLogin;
    QWidget *m_tsForgot;
    bool m_changeMode = false;

    Picture *m_imNotProtected = nullptr;
    Picture *m_imProtected = nullptr;
    QLabel *m_lblLoginUserTitle = nullptr;
    QLabel *m_lblLoginUser = nullptr;
    QLabel *m_lblLoginPassword = nullptr;
    QLabel *m_lblHintQuestion = nullptr;
    QLabel *m_lblHintAnswer = nullptr;
    QLineEdit *m_edLoginUser = nullptr;
    QLineEdit *m_edLoginPassword = nullptr;
    QComboBox *m_cbHint = nullptr;
    QLineEdit *m_edAnswer = nullptr;
    QCheckBox *m_cbLoginContinue = nullptr;
    QPushButton *m_btnLoginCancel = nullptr;
    QPushButton *m_btnLoginOK = nullptr;

    QLabel *m_lblSecureHeader = nullptr;
    QLabel *m_lblLoginUser1 = nullptr;
    QLabel *m_lblLoginPassword1 = nullptr;
    QLineEdit *m_edLoginUser1 = nullptr;
    QLineEdit *m_edLoginPassword1 = nullptr;

    QLabel *m_lblQuestion = nullptr;
    QLineEdit *m_edAnswerForgot = nullptr;
    QLabel *m_lblForgot1 = nullptr;
    QLabel *m_lblForgotUser = nullptr;
    QLabel *m_lblForgot2 = nullptr;
    QLabel *m_lblForgotPassword = nullptr;
};
