// The window sessions of the real main window: window buttons, session tabs, hiding and restoring.

#include "ShellFixture.h"

#include "app/TFrameTop.h"
#include "app/TNorvadelApplication.h"
#include "app/TSessionTabBar.h"
#include "app/TWinSessionManager.h"
#include "app/TfrmApresentaNorvadel.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

class TestSessions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void sameScreenTwiceKeepsOneButton();
    void buttonTagsNumberSessionAndButton();
    void clickOnTheShownScreenHidesIt();
    void clickOnAHiddenScreenShowsItAlone();
    void closingTheOnlyVisibleTabDoesNothing();
    void closingATabSelectsANeighbour_data();
    void closingATabSelectsANeighbour();
    void hiddenSessionIsRestoredFromTheMenu();
    void openingAScreenOfAHiddenSessionShowsIt();
    void closeButtonOfAScreenThatCannotClose();
    void closeButtonOfAModifiedScreenAsks_data();
    void closeButtonOfAModifiedScreenAsks();
    void unknownCaptionChangesNothing();

private:
    TfrmBasic* Screen(const QString& aName);
    // Opens a new screen aCaption in aSession through the opening recipe.
    TfrmBasic* Open(const QString& aSession, const QString& aCaption, bool aCanClose = true);
    TWinSession* SessionNamed(const QString& aName) const;
    TWinButton* ButtonNamed(const QString& aSession, const QString& aCaption) const;

    std::unique_ptr<TShell> FShell;
    TfrmPrincipalNorvadel* FWindow = nullptr;
};

namespace {
class TCountingScreen : public TfrmBasic
{
public:
    using TfrmBasic::TfrmBasic;
    int Closes = 0;

protected:
    void FormClose() override { ++Closes; }
};
} // namespace

void TestSessions::init()
{
    FShell = std::make_unique<TShell>();
    FWindow = FShell->Start();
}

void TestSessions::cleanup()
{
    FShell.reset();
    FWindow = nullptr;
}

TfrmBasic* TestSessions::Screen(const QString& aName)
{
    auto* screen = new TCountingScreen(FWindow);
    screen->setObjectName(aName);
    screen->hide();
    return screen;
}

TfrmBasic* TestSessions::Open(const QString& aSession, const QString& aCaption, bool aCanClose)
{
    TfrmBasic* screen = Screen(aCaption);
    FWindow->OpenScreen(screen, aSession, aSession + QStringLiteral(" (dica)"), aCaption, aCaption, aCanClose, false);
    return screen;
}

TWinSession* TestSessions::SessionNamed(const QString& aName) const
{
    for (const auto& session : FWindow->SessionManager()->Sessions())
        if (session->SessionName() == aName)
            return session.get();
    return nullptr;
}

TWinButton* TestSessions::ButtonNamed(const QString& aSession, const QString& aCaption) const
{
    TWinSession* session = SessionNamed(aSession);
    if (!session)
        return nullptr;
    for (const auto& button : session->Buttons())
        if (button->Name() == aCaption)
            return button.get();
    return nullptr;
}

void TestSessions::sameScreenTwiceKeepsOneButton()
{
    TfrmBasic* screen = Open(QStringLiteral("Principal"), QStringLiteral("Cadastro de apostas"));
    FWindow->OpenScreen(screen, QStringLiteral("Principal"), QStringLiteral("Sessão Principal"),
                        QStringLiteral("Cadastro de apostas"), QString(), true, false);
    TWinSession* principal = SessionNamed(QStringLiteral("Principal"));
    QCOMPARE(principal->Buttons().size(), std::size_t(2));
    QCOMPARE(FWindow->ButtonBar->actions().size(), 2);
    QVERIFY(screen->isVisible());
    QCOMPARE(FWindow->SessionManager()->Sessions().size(), std::size_t(1));
}

void TestSessions::buttonTagsNumberSessionAndButton()
{
    Open(QStringLiteral("Dois"), QStringLiteral("a"));
    Open(QStringLiteral("dois"), QStringLiteral("b")); // session names ignore case
    Open(QStringLiteral("Dois"), QStringLiteral("c"));
    QCOMPARE(FWindow->SessionManager()->Sessions().size(), std::size_t(2));
    QCOMPARE(ButtonNamed(QStringLiteral("Principal"), QStringLiteral("Apresentação"))->iTagIndex(), "1.0");
    QCOMPARE(ButtonNamed(QStringLiteral("Dois"), QStringLiteral("c"))->iTagIndex(), "2.2");
    QCOMPARE(FWindow->SessionManager()->FindButtonByID(QStringLiteral("Dois"), 1), "b");
}

void TestSessions::clickOnTheShownScreenHidesIt()
{
    TWinButton* welcome = ButtonNamed(QStringLiteral("Principal"), QStringLiteral("Apresentação"));
    QVERIFY(frmApresentaNorvadel->isVisible());
    QTest::mouseClick(welcome->iButton(), Qt::LeftButton);
    QVERIFY(!frmApresentaNorvadel->isVisible()); // only the background shows
    QCOMPARE(welcome->WinState(), winMinimized);
    QTest::mouseClick(welcome->iButton(), Qt::LeftButton);
    QVERIFY(frmApresentaNorvadel->isVisible());
    QCOMPARE(welcome->WinState(), winMaximized);
}

void TestSessions::clickOnAHiddenScreenShowsItAlone()
{
    TfrmBasic* bets = Open(QStringLiteral("Principal"), QStringLiteral("Cadastro de apostas"));
    TfrmBasic* other = Open(QStringLiteral("Outra"), QStringLiteral("Outra tela"));
    QVERIFY(other->isVisible());
    QVERIFY(!bets->isVisible()); // its session's buttons went with the session
    FWindow->SessionBar->TabSelect(SessionNamed(QStringLiteral("Principal"))->TabIndex());
    QVERIFY(bets->isVisible()); // the last opened screen of the selected session
    QVERIFY(!other->isVisible());
    TWinButton* welcome = ButtonNamed(QStringLiteral("Principal"), QStringLiteral("Apresentação"));
    QCOMPARE(welcome->WinState(), winMinimized);
    QTest::mouseClick(welcome->iButton(), Qt::LeftButton);
    QVERIFY(frmApresentaNorvadel->isVisible());
    QVERIFY(!bets->isVisible());
    // The welcome screen is now the one shown again when the session is selected.
    QCOMPARE(SessionNamed(QStringLiteral("Principal"))->LastOpened(), 0);
}

void TestSessions::closingTheOnlyVisibleTabDoesNothing()
{
    TSessionTabBar* bar = FWindow->SessionBar;
    const int index = SessionNamed(QStringLiteral("Principal"))->TabIndex();
    QTest::mouseClick(bar->tabButton(index, QTabBar::RightSide), Qt::LeftButton);
    QVERIFY(bar->isTabVisible(index));
    QVERIFY(frmApresentaNorvadel->isVisible());
    QVERIFY(!(SessionNamed(QStringLiteral("Principal"))->States() & ssHided));
}

void TestSessions::closingATabSelectsANeighbour_data()
{
    QTest::addColumn<int>("closed");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle: the one before") << 2 << 1;
    QTest::newRow("first: the second") << 0 << 1;
    QTest::newRow("last: the one before") << 3 << 2;
}

void TestSessions::closingATabSelectsANeighbour()
{
    QFETCH(int, closed);
    QFETCH(int, selected);
    // Sessions 0 "Principal" (the welcome screen), 1 "S1", 2 "S2", 3 "S3", one screen each.
    QList<QWidget*> screens = {frmApresentaNorvadel};
    for (const char* name : {"S1", "S2", "S3"})
        screens.append(Open(QString::fromLatin1(name), QStringLiteral("tela ") + QString::fromLatin1(name)));
    TSessionTabBar* bar = FWindow->SessionBar;
    const auto& sessions = FWindow->SessionManager()->Sessions();
    QTest::mouseClick(bar->tabButton(sessions[std::size_t(closed)]->TabIndex(), QTabBar::RightSide), Qt::LeftButton);
    QVERIFY(sessions[std::size_t(closed)]->States() & ssHided);
    QVERIFY(!bar->isTabVisible(sessions[std::size_t(closed)]->TabIndex()));
    QVERIFY(sessions[std::size_t(closed)]->HiddenEntry()->isVisible());
    QCOMPARE(bar->SelectedTag(), sessions[std::size_t(selected)]->SessionTagIndex());
    for (int i = 0; i < screens.size(); ++i)
        QCOMPARE(screens[i]->isVisible(), i == selected);
}

void TestSessions::hiddenSessionIsRestoredFromTheMenu()
{
    TfrmBasic* first = Open(QStringLiteral("S1"), QStringLiteral("um"));
    TfrmBasic* second = Open(QStringLiteral("S1"), QStringLiteral("dois"));
    // Both screens are shown after their opening: the first click hides them all, the second
    // shows "um" alone and makes it the session's last opened screen.
    QToolButton* um = ButtonNamed(QStringLiteral("S1"), QStringLiteral("um"))->iButton();
    QTest::mouseClick(um, Qt::LeftButton);
    QTest::mouseClick(um, Qt::LeftButton);
    QVERIFY(first->isVisible());
    QVERIFY(!second->isVisible());
    TWinSession* session = SessionNamed(QStringLiteral("S1"));
    TSessionTabBar* bar = FWindow->SessionBar;
    QTest::mouseClick(bar->tabButton(session->TabIndex(), QTabBar::RightSide), Qt::LeftButton);
    QVERIFY(!first->isVisible());
    QVERIFY(!second->isVisible());
    QVERIFY(frmApresentaNorvadel->isVisible()); // the neighbour took over
    QVERIFY(FWindow->popupHidenSessions->actions().contains(session->HiddenEntry()));

    session->HiddenEntry()->trigger();
    QVERIFY(bar->isTabVisible(session->TabIndex()));
    QCOMPARE(bar->SelectedTag(), session->SessionTagIndex());
    QVERIFY(!session->HiddenEntry()->isVisible());
    QVERIFY(first->isVisible()); // the screen opened last is in front
    QVERIFY(!frmApresentaNorvadel->isVisible());
    QVERIFY(ButtonNamed(QStringLiteral("S1"), QStringLiteral("dois"))->ButtonAction()->isVisible());
}

void TestSessions::openingAScreenOfAHiddenSessionShowsIt()
{
    TfrmBasic* screen = Open(QStringLiteral("S1"), QStringLiteral("um"));
    TWinSession* session = SessionNamed(QStringLiteral("S1"));
    QTest::mouseClick(FWindow->SessionBar->tabButton(session->TabIndex(), QTabBar::RightSide), Qt::LeftButton);
    QVERIFY(!screen->isVisible());
    FWindow->OpenScreen(screen, QStringLiteral("S1"), QString(), QStringLiteral("um"), QString(), true, false);
    QVERIFY(FWindow->SessionBar->isTabVisible(session->TabIndex()));
    QVERIFY(screen->isVisible());
    QVERIFY(session->HiddenEntry()->isVisible()); // until it is used
}

void TestSessions::closeButtonOfAScreenThatCannotClose()
{
    TWinButton* welcome = ButtonNamed(QStringLiteral("Principal"), QStringLiteral("Apresentação"));
    QTest::mouseClick(frmApresentaNorvadel->FrameTop1->btnCloseForm, Qt::LeftButton);
    QVERIFY(!frmApresentaNorvadel->isVisible());
    QVERIFY(welcome->ButtonAction()->isVisible());
    QVERIFY(!welcome->Removed());
    QCOMPARE(welcome->WinState(), winMinimized);
}

void TestSessions::closeButtonOfAModifiedScreenAsks_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("saved: closes without asking") << false << false << true;
    QTest::newRow("modified, no: stays") << true << false << false;
    QTest::newRow("modified, yes: closes") << true << true << true;
}

void TestSessions::closeButtonOfAModifiedScreenAsks()
{
    QFETCH(bool, modified);
    QFETCH(bool, answer);
    QFETCH(bool, closes);
    auto* screen = static_cast<TCountingScreen*>(Open(QStringLiteral("Principal"), QStringLiteral("tela")));
    TWinButton* welcome = ButtonNamed(QStringLiteral("Principal"), QStringLiteral("Apresentação"));
    screen->setiBasicFrmStatus(modified ? aModified : aOK);
    FShell->Answers->ConfirmAnswers = {answer};
    QTest::mouseClick(screen->FrameTop1->btnCloseForm, Qt::LeftButton);
    QCOMPARE(FShell->Answers->Messages,
             modified ? QStringList({"Esta janela ainda não foi salva. Fechar assim mesmo?"}) : QStringList());
    TWinButton* button = ButtonNamed(QStringLiteral("Principal"), QStringLiteral("tela"));
    QCOMPARE(screen->isVisible(), !closes);
    QCOMPARE(button->ButtonAction()->isVisible(), !closes);
    QCOMPARE(button->MenuItem()->isVisible(), !closes);
    QCOMPARE(button->Removed(), closes);
    QCOMPARE(screen->Closes, closes ? 1 : 0);
    QVERIFY(welcome->ButtonAction()->isVisible()); // the session's other buttons stay
    if (closes) {
        // Its recipe run again brings it back.
        FWindow->OpenScreen(screen, QStringLiteral("Principal"), QString(), QStringLiteral("tela"), QString(), true,
                            false);
        QVERIFY(screen->isVisible());
        QVERIFY(button->ButtonAction()->isVisible());
        QVERIFY(!button->Removed());
    }
}

void TestSessions::unknownCaptionChangesNothing()
{
    Open(QStringLiteral("Principal"), QStringLiteral("tela"));
    FWindow->ChangeButtonCaption(QStringLiteral("Principal"), QStringLiteral("nenhuma"), QStringLiteral("nova"),
                                 QStringLiteral("dica"));
    QStringList captions;
    for (QAction* action : FWindow->ButtonBar->actions())
        captions.append(action->text());
    QCOMPARE(captions, QStringList({"Apresentação", "tela"}));
    FWindow->ChangeButtonCaption(QStringLiteral("Principal"), QStringLiteral("TELA"), QStringLiteral("nova"),
                                 QString());
    QCOMPARE(FWindow->ButtonBar->actions().at(1)->text(), "nova");
    QCOMPARE(ButtonNamed(QStringLiteral("Principal"), QStringLiteral("nova"))->MenuItem()->text(), "tela");
}

int main(int argc, char** argv)
{
    TNorvadelApplication app(argc, argv);
    TestSessions test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestSessions.moc"
