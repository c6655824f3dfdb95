// The work-area screen base and the dialogs seam.

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "app/TfrmBasic.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class TestFormBases : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newScreenHasTitleFrameAndIsSaved();
    void mostraFormDocksIntoTheParent();
    void closeRunsTheHandlerEveryTime();
    void scriptedDialogsAnswerInOrder();
};

namespace {
class TCountingScreen : public TfrmBasic
{
public:
    int Closes = 0;

protected:
    void FormClose() override { ++Closes; }
};
} // namespace

void TestFormBases::newScreenHasTitleFrameAndIsSaved()
{
    TfrmBasic screen;
    QCOMPARE(screen.iBasicFrmStatus(), aOK);
    auto* title = screen.findChild<QLabel*>(QStringLiteral("Titulo"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Obrix System BR - Buscando o futuro"));
    auto* close = screen.findChild<QPushButton*>(QStringLiteral("btnCloseForm"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("X"));
}

void TestFormBases::mostraFormDocksIntoTheParent()
{
    QWidget work;
    (new QVBoxLayout(&work))->setContentsMargins(0, 0, 0, 0);
    work.resize(640, 480);
    work.show();
    auto* screen = new TfrmBasic;
    screen->MostraForm(&work);
    QCOMPARE(screen->parentWidget(), &work);
    QVERIFY(screen->isVisible());
    QTRY_COMPARE(screen->size(), work.size());
}

void TestFormBases::closeRunsTheHandlerEveryTime()
{
    TCountingScreen screen;
    screen.show();
    QVERIFY(screen.close());
    QVERIFY(!screen.isVisible());
    // The main window's close sequence may ask a closed screen to close again.
    screen.CloseForm();
    QCOMPARE(screen.Closes, 2);
}

void TestFormBases::scriptedDialogsAnswerInOrder()
{
    auto handler = std::make_shared<Dialogs::TScriptedHandler>();
    handler->ConfirmAnswers = {true};
    handler->PathAnswers = {QStringLiteral("/tmp/a.Result")};
    Dialogs::SetHandler(handler);
    Dialogs::Message(nullptr, QStringLiteral("um"));
    QVERIFY(Dialogs::Confirm(nullptr, QStringLiteral("dois")));
    QVERIFY(!Dialogs::Confirm(nullptr, QStringLiteral("três"))); // no answer left: "Não"
    QCOMPARE(Dialogs::OpenFile(nullptr, QString(), QString(), QString()), QStringLiteral("/tmp/a.Result"));
    QCOMPARE(Dialogs::OpenFile(nullptr, QString(), QString(), QString()), QString()); // cancelled
    QCOMPARE(handler->Messages, QStringList({"um", "dois", "três"}));
    Dialogs::SetHandler(nullptr);
}

QTEST_MAIN(TestFormBases)
#include "TestFormBases.moc"
