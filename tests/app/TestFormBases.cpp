// The work-area screen base and the dialogs seam.

#include "app/Dialogs.h"
#include "app/TFrameTop.h"
#include "app/TfrmBasic.h"
#include "app/TfrmDlgProgress.h"
#include "app/TfrmSobreNorvadel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
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
    void progressDialogShowsNewestLineFirst();
    void progressDialogCancel_data();
    void progressDialogCancel();
    void aboutBoxCaptionAndUpdate();
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

void TestFormBases::progressDialogShowsNewestLineFirst()
{
    TfrmDlgProgress dialog;
    dialog.set_iMin(0);
    dialog.set_iMax(3);
    dialog.MostraForm();
    QCOMPARE(dialog.MemoText->toPlainText(), QString()); // the design-time text goes
    for (const char* line : {"a", "b", "c"})
        dialog.insLog(QString::fromLatin1(line));
    QCOMPARE(dialog.MemoText->toPlainText(), "c\nb\na");
    dialog.set_iPosicao(2);
    QCOMPARE(dialog.pBar->value(), 2);
}

void TestFormBases::progressDialogCancel_data()
{
    QTest::addColumn<bool>("offered");
    QTest::newRow("cancel offered") << true;
    QTest::newRow("no cancel button") << false;
}

void TestFormBases::progressDialogCancel()
{
    QFETCH(bool, offered);
    TfrmDlgProgress dialog;
    dialog.set_iBotao(offered);
    dialog.MostraForm();
    QCOMPARE(dialog.btCancelar->isVisible(), offered);
    QCOMPARE(dialog._iResultado(), prNone);
    if (!offered)
        return;
    QTest::mouseClick(dialog.btCancelar, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog._iResultado(), prCancel);
}

void TestFormBases::aboutBoxCaptionAndUpdate()
{
    auto handler = std::make_shared<Dialogs::TScriptedHandler>();
    Dialogs::SetHandler(handler);
    TfrmSobreNorvadel about;
    about.set_iTitle(QStringLiteral("Norvadel"));
    QCOMPARE(about.windowTitle(), "Sobre - Norvadel");
    QTest::mouseClick(about.btnAtualizar, Qt::LeftButton);
    QCOMPARE(handler->Messages, QStringList({"Não implementado nesta versão"}));
    Dialogs::SetHandler(nullptr);
}

QTEST_MAIN(TestFormBases)
#include "TestFormBases.moc"
