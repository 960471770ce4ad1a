#pragma once
#include "platform/ProgramVersion.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <array>

class QLabel;
class QPushButton;
class QTimer;

// The About dialog: the program's logo, its build number, the makers' credits scrolling up a
// column, and a link that starts an e-mail to the makers. Places are given in twips.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // The one dialog of the program, made (and loaded) when none is; it forgets itself when it
    // closes, so every opening starts from the design places.
    static frmAbout* Load(const QString& feedbackAddress, const QString& webSite);
    // The dialog while it is loaded, else null.
    static frmAbout* Loaded();

    // "Build - " and the version as major.minor.0.revision.
    static QString BuildText(const ProgramVersion& version);
    // The address that the mail link hands to the mail program.
    static QUrl MailAddress(const QString& feedbackAddress);

    // Client size and the credit scroll, in twips.
    static constexpr int ClientWidth = 5550;
    static constexpr int ClientHeight = 3435;
    static constexpr int ScrollIntervalMs = 100;
    static constexpr int ScrollStep = 50;
    static constexpr int WrapTop = 3000;
    static constexpr int LastShownTop = 2000;

    // One tick of Timer1: each credit label in turn moves up; one that passes the top starts
    // again at the bottom, hidden until it is back in the column.
    void Timer1Tick();
    // The top of credit label 1 to 4, in twips.
    int creditTop(int index) const { return m_creditTops.at(index); }

    // Centres the dialog on `window`, within that window's screen.
    void centreOn(const QWidget* window);

    QLabel* Picture1 = nullptr;
    std::array<QWidget*, 3> Shape1{};
    std::array<QLabel*, 5> Label1{}; // indexes 1 to 4
    QLabel* Label4 = nullptr;        // the mail link
    QLabel* Label5 = nullptr;        // "Email"
    QLabel* lblBuild = nullptr;
    std::array<QWidget*, 2> Line1{};
    QPushButton* cmdOK = nullptr;
    QTimer* Timer1 = nullptr;

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    frmAbout(const QString& feedbackAddress, const QString& webSite);
    void createControls(const QString& webSite);
    void Form_Load();
    void placeCredit(int index);
    void openMail();

    QString m_feedbackAddress;
    std::array<int, 5> m_creditTops{};
};
