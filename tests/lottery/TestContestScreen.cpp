// The contest results screen on the real main window, with temporary program and documents
// folders: contests typed in and imported, grid edits, what Concursos.inx and Link.txt hold
// afterwards and what a restart shows.

#include "app/TfrmApresentaNorvadel.h"
#include "app/TfrmDlgProgress.h"
#include "lottery/TfrmLancaRes.h"
#include "tests/TestFiles.h"
#include "tests/app/ShellFixture.h"
#include "util/Globals.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include <memory>

namespace {
const QStringList kDrawn{"04", "15", "23", "38", "41", "60"};
}

class TestContestScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void contestAddedByHand();
    void existingNumberIsNotAddedAgain();
    void refusedDraw_data();
    void refusedDraw();
    void import_data();
    void import();
    void importOfTheOperatorsSpreadsheet();
    void cancelledImportProposesNumberOne();
    void cancelInTheProgressDialogStopsTheImport();
    void edit_data();
    void edit();
    void contestsAndLinkSurviveARestart();
    void linkFileFallsBackToTheConfigurationFolder();
    void linkOpensInTheBrowser();
    void firstBoxBlinks();

private:
    void Open();
    void Restart();
    void Type(const QStringList& aBoxes, const QString& aValue, int aWinners);
    QString ContestsPath() const { return FShell->Documents() + QStringLiteral("/Obrix/Norvadel/Concursos.inx"); }
    QString ImportFile(const QByteArray& aText) const;
    QStringList Row(int aRow) const;
    int Rows() const { return Grid()->model()->rowCount(); }
    QTableView* Grid() const { return FShell->Find<QTableView>(QStringLiteral("stgResults")); }
    template <class T> T* Ctl(const char* aName) const { return FShell->Find<T>(QString::fromLatin1(aName)); }

    std::unique_ptr<TShell> FShell;
};

void TestContestScreen::init()
{
    FShell = std::make_unique<TShell>();
    QVERIFY(FShell->Folder.isValid());
    STEP(Open());
}

void TestContestScreen::cleanup()
{
    FShell.reset();
    Logado = false;
}

// Starts the window, logs in and presses "Lançar concursos".
void TestContestScreen::Open()
{
    TfrmPrincipalNorvadel* window = FShell->Start();
    window->setLogado(true);
    QTest::mouseClick(Ctl<QPushButton>("btnLancaConcurso"), Qt::LeftButton);
    QVERIFY(frmLancaRes);
    QTRY_VERIFY(frmLancaRes->isVisible());
}

// Closes the window as the user would and opens the screen again on the same folders.
void TestContestScreen::Restart()
{
    FShell->Close();
    QVERIFY(!frmLancaRes);
    STEP(Open());
}

void TestContestScreen::Type(const QStringList& aBoxes, const QString& aValue, int aWinners)
{
    for (int i = 0; i < 6; ++i) {
        auto* box = FShell->Find<QLineEdit>(QStringLiteral("cxtxtdt%1").arg(i + 1));
        box->clear();
        QTest::keyClicks(box, aBoxes.value(i));
    }
    auto* value = Ctl<QLineEdit>("edtResVPago");
    value->clear();
    QTest::keyClicks(value, aValue);
    Q_EMIT value->editingFinished(); // leaving the box
    Ctl<QSpinBox>("seResGanhadores")->setValue(aWinners);
}

QString TestContestScreen::ImportFile(const QByteArray& aText) const
{
    const QString name = FShell->Folder.filePath(QStringLiteral("concursos.txt"));
    WriteAll(name, aText);
    return name;
}

QStringList TestContestScreen::Row(int aRow) const
{
    QStringList cells;
    for (int c = 0; c < 5; ++c)
        cells.append(Grid()->model()->index(aRow, c).data().toString());
    return cells;
}

void TestContestScreen::contestAddedByHand()
{
    QCOMPARE(Rows(), 1); // the empty bottom row
    QCOMPARE(Grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Concurso"));
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 1); // no contest yet
    Ctl<QSpinBox>("seResConcurso")->setValue(1216);
    STEP(Type(kDrawn, QStringLiteral("1234,5"), 2));
    QCOMPARE(Ctl<QLineEdit>("edtResVPago")->text(), QStringLiteral("1.234,50"));

    // Enter in the winners box moves to "Adicionar".
    auto* winners = Ctl<QSpinBox>("seResGanhadores");
    frmLancaRes->activateWindow();
    winners->setFocus();
    QTest::keyClick(winners, Qt::Key_Return);
    QCOMPARE(frmLancaRes->window()->focusWidget(), Ctl<QPushButton>("btnResAdd"));
    QTest::keyClick(Ctl<QPushButton>("btnResAdd"), Qt::Key_Space);

    QCOMPARE(Rows(), 2);
    QCOMPARE(Row(0), QStringList({"01216", "04;15;23;38;41;60", "1.234,50", "2", "Novo"}));
    QCOMPARE(Row(1), QStringList({"", "", "", "", ""}));
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 1217);
    QCOMPARE(Ctl<QSpinBox>("seResGanhadores")->value(), 0);
    QVERIFY(Ctl<QLineEdit>("edtResVPago")->text().isEmpty());
    QVERIFY(Ctl<QLineEdit>("cxtxtdt1")->text().isEmpty());
    QCOMPARE(frmLancaRes->iNovos(), 1);
    QCOMPARE(frmLancaRes->iGridRows().front().Number, QStringLiteral("01216"));
    QVERIFY(FShell->Answers->Messages.isEmpty());
    // On disk at once, without "Novo".
    const QByteArray file = ReadAll(ContestsPath());
    QVERIFY2(file.contains("04;15;23;38;41;60") && file.contains("1.234,50") && !file.contains("Novo"), file);
}

void TestContestScreen::existingNumberIsNotAddedAgain()
{
    Ctl<QSpinBox>("seResConcurso")->setValue(1216);
    STEP(Type(kDrawn, QString(), 0));
    Ctl<QPushButton>("btnResAdd")->click();
    Ctl<QSpinBox>("seResConcurso")->setValue(1216);
    STEP(Type({"01", "02", "03", "04", "05", "06"}, QStringLiteral("10"), 3));
    Ctl<QPushButton>("btnResAdd")->click();
    QCOMPARE(Rows(), 2);
    QCOMPARE(Row(0), QStringList({"01216", "04;15;23;38;41;60", "", "0", "Novo"}));
    // The other steps of the addition still run.
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 1217);
    QVERIFY(Ctl<QLineEdit>("cxtxtdt1")->text().isEmpty());
    QVERIFY(FShell->Answers->Messages.isEmpty());
}

void TestContestScreen::refusedDraw_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("empty box") << QStringList{"04", "15", "", "38", "41", "60"} << ""
                               << "Resultado, caixa 3: digite o número sorteado."
                               << "cxtxtdt3";
    QTest::newRow("out of range") << QStringList{"04", "15", "23", "38", "41", "61"} << ""
                                  << "Resultado, caixa 6: o número 61 está fora da faixa de 1 a 60."
                                  << "cxtxtdt6";
    QTest::newRow("repeated") << QStringList{"04", "15", "23", "38", "15", "60"} << ""
                              << "Resultado, caixa 5: o número 15 já está na caixa 2."
                              << "cxtxtdt5";
    QTest::newRow("not a number") << QStringList{"04", "x", "23", "38", "41", "60"} << ""
                                  << "Resultado, caixa 2: \"x\" não é um número inteiro."
                                  << "cxtxtdt2";
    QTest::newRow("value not a number") << kDrawn << "dez"
                                        << "Valor pago: 'dez' não é um valor numérico válido."
                                        << "edtResVPago";
}

void TestContestScreen::refusedDraw()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Ctl<QSpinBox>("seResConcurso")->setValue(1216);
    STEP(Type(boxes, value, 2));
    frmLancaRes->activateWindow();
    Ctl<QPushButton>("btnResAdd")->click();
    QCOMPARE(FShell->Answers->Messages, QStringList{message});
    QCOMPARE(Rows(), 1);
    QVERIFY(!QFile::exists(ContestsPath()));
    // Nothing typed is lost.
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 1216);
    QCOMPARE(Ctl<QLineEdit>("cxtxtdt1")->text(), boxes[0]);
    QCOMPARE(Ctl<QLineEdit>("edtResVPago")->text(), value);
    QCOMPARE(frmLancaRes->window()->focusWidget(), FShell->Find<QWidget>(focus));
}

void TestContestScreen::import_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("numbers"); // the grid's numbers, top first
    QTest::addColumn<QString>("message");     // part of the message shown; empty: none
    QTest::addColumn<int>("next");

    QTest::newRow("heading, contests and FIM")
        << QByteArray("Concurso\tD1\tD2\tD3\tD4\tD5\tD6\tGanhadores6\tRateio6\r\n"
                      "1216\t4\t15\t23\t38\t41\t60\t2\tR$1.234,50\r\n"
                      "1217\t10\t11\t29\t30\t36\t47\t0\tR$0,00\r\n"
                      "1218\t1\t5\t6\t27\t42\t59\t1\tR$2.307.162,23\r\n"
                      "FIM\r\n")
        << QStringList{"01218", "01217", "01216"} << "" << 1219;
    QTest::newRow("no contest") << QByteArray("Concurso\tD1\tD2\tD3\tD4\tD5\tD6\r\nFIM\r\n") << QStringList{}
                                << "não contém nenhum concurso" << 1;
    QTest::newRow("bad line keeps the contests before it")
        << QByteArray("Concurso\tD1\r\n1216\t4\t15\t23\t38\t41\t60\t2\tR$1\r\n1217\t10\t11\t29\t30\t36\t99\t0\tR$0\r\n")
        << QStringList{"01216"} << "Linha 3 do arquivo" << 1217;
}

void TestContestScreen::import()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, numbers);
    QFETCH(QString, message);
    QFETCH(int, next);
    FShell->Answers->PathAnswers = {ImportFile(file)};
    Ctl<QPushButton>("btnLoadFromFile")->click();
    QCOMPARE(Rows(), int(numbers.size()) + 1);
    for (int r = 0; r < numbers.size(); ++r) {
        QCOMPARE(Row(r).first(), numbers[r]);
        QCOMPARE(Row(r).last(), QString()); // imported contests are not "Novo"
    }
    if (!numbers.isEmpty() && numbers.first() == u"01218")
        QCOMPARE(Row(0), QStringList({"01218", "01;05;06;27;42;59", "R$2.307.162,23", "1", ""}));
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), next);
    QCOMPARE(Ctl<QPlainTextEdit>("jvRichEdtImport")->toPlainText(),
             QString::fromUtf8(file).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).chopped(1));
    if (message.isEmpty()) {
        QVERIFY(FShell->Answers->Messages.isEmpty());
    } else {
        QCOMPARE(FShell->Answers->Messages.size(), 1);
        QVERIFY2(FShell->Answers->Messages.first().contains(message), qPrintable(FShell->Answers->Messages.first()));
    }
    // A file with no contest writes nothing.
    QCOMPARE(QFile::exists(ContestsPath()), !numbers.isEmpty());
    for (const QString& number : numbers)
        QVERIFY(ReadAll(ContestsPath()).contains(number.toLatin1()));
    for (const QWidget* dialog : frmLancaRes->findChildren<QWidget*>(QStringLiteral("dlgProgress")))
        QVERIFY(!dialog->isVisible());
}

void TestContestScreen::importOfTheOperatorsSpreadsheet()
{
    FShell->Answers->PathAnswers = {QStringLiteral(NORVADEL_TEST_DATA "/xlsx/operator.xlsx")};
    Ctl<QPushButton>("btnLoadFromFile")->click();
    QVERIFY2(FShell->Answers->Messages.isEmpty(), qPrintable(FShell->Answers->Messages.join(u'\n')));
    QCOMPARE(Rows(), 7);
    QCOMPARE(Row(0), QStringList({"00006", "07;13;19;22;40;47", "R$0,00", "0", ""}));
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 7);
    QVERIFY(Ctl<QPlainTextEdit>("jvRichEdtImport")->toPlainText().startsWith(QStringLiteral("Concurso\tBola1")));
    QVERIFY(ReadAll(ContestsPath()).contains("<Header=00006>"));

    // What is not a results sheet: the message, and nothing more stored.
    const QByteArray stored = ReadAll(ContestsPath());
    FShell->Answers->PathAnswers = {QStringLiteral(NORVADEL_TEST_DATA "/xlsx/missing-heading.xlsx")};
    Ctl<QPushButton>("btnLoadFromFile")->click();
    QCOMPARE(FShell->Answers->Messages.size(), 1);
    QVERIFY2(FShell->Answers->Messages.first().contains(QStringLiteral("falta a coluna \"Bola3\"")),
             qPrintable(FShell->Answers->Messages.first()));
    QCOMPARE(Rows(), 7);
    QCOMPARE(ReadAll(ContestsPath()), stored);
}

void TestContestScreen::cancelledImportProposesNumberOne()
{
    Ctl<QSpinBox>("seResConcurso")->setValue(500);
    FShell->Answers->PathAnswers.clear(); // the file dialog is cancelled
    Ctl<QPushButton>("btnLoadFromFile")->click();
    QCOMPARE(Rows(), 1);
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 1);
    QVERIFY(FShell->Answers->Messages.isEmpty());
    QVERIFY(!QFile::exists(ContestsPath()));
}

// Chooses the file and, as the user would while the dialog is up, presses "Cancelar" in the
// progress dialog.
class TCancellingHandler : public Dialogs::TScriptedHandler
{
public:
    QString Path(const QString& aKind, const QString& aTitle, const QString& aFilter) override
    {
        Titles.append(aTitle + u'|' + aFilter);
        for (TfrmDlgProgress* dialog : frmLancaRes->findChildren<TfrmDlgProgress*>())
            if (dialog->isVisible())
                QTest::mouseClick(dialog->btCancelar, Qt::LeftButton);
        return TScriptedHandler::Path(aKind, aTitle, aFilter);
    }
    QStringList Titles;
};

void TestContestScreen::cancelInTheProgressDialogStopsTheImport()
{
    auto answers = std::make_shared<TCancellingHandler>();
    answers->PathAnswers = {QStringLiteral(NORVADEL_TEST_DATA "/megasena-history.tsv")};
    Dialogs::SetHandler(answers);
    Ctl<QPushButton>("btnLoadFromFile")->click();
    Dialogs::SetHandler(FShell->Answers);
    QCOMPARE(answers->Titles, QStringList{"Arquivo separado por tabulação|Texto por tabulação (*.txt);;Planilha de "
                                          "resultados (*.xlsx)"});
    QCOMPARE(Rows(), 1);
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 1);
    QVERIFY(answers->Messages.isEmpty());
    QVERIFY(!QFile::exists(ContestsPath()));
    QVERIFY(Ctl<QPushButton>("btnLoadFromFile")->isEnabled());
}

void TestContestScreen::edit_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");   // the cell afterwards
    QTest::addColumn<QString>("message"); // empty: accepted

    QTest::newRow("new number") << 0 << 0 << "1300"
                                << "01300"
                                << "";
    QTest::newRow("number of another row") << 0 << 0 << "1216"
                                           << "01217"
                                           << "O concurso 01216 já está na lista.";
    QTest::newRow("number not whole")
        << 1 << 0 << "12a"
        << "01216"
        << "O número do concurso deve ser um número inteiro de 1 a 99999 (\"12a\" não é).";
    QTest::newRow("drawn numbers") << 1 << 1 << "1;2;3;4;5;6"
                                   << "01;02;03;04;05;06"
                                   << "";
    QTest::newRow("impossible draw") << 1 << 1 << "1;2;3;4;5;61"
                                     << "04;15;23;38;41;60"
                                     << "Resultado, caixa 6: o número 61 está fora da faixa de 1 a 60.";
    QTest::newRow("winners") << 0 << 3 << "7"
                             << "7"
                             << "";
}

void TestContestScreen::edit()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    FShell->Answers->PathAnswers = {ImportFile("Concurso\r\n1216\t4\t15\t23\t38\t41\t60\t2\tR$1\r\n"
                                               "1217\t10\t11\t29\t30\t36\t47\t0\tR$0\r\nFIM\r\n")};
    Ctl<QPushButton>("btnLoadFromFile")->click();
    QCOMPARE(Rows(), 3);
    const QByteArray before = ReadAll(ContestsPath());

    QAbstractItemModel* model = Grid()->model();
    const bool accepted = model->setData(model->index(row, column), typed);
    QCOMPARE(accepted, message.isEmpty());
    QCOMPARE(model->index(row, column).data().toString(), shown);
    QCOMPARE(FShell->Answers->Messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(ReadAll(ContestsPath()), before); // stored at the next save

    // A double click on the group box saves.
    QTest::mouseDClick(Ctl<QGroupBox>("cxgrpbx1"), Qt::LeftButton, {}, QPoint(5, 5));
    const QByteArray after = ReadAll(ContestsPath());
    QVERIFY2(after.contains(shown.toLatin1()), after);
    if (column == 0 && accepted) {
        // Stored under the new number; the old header stays.
        QVERIFY2(after.contains("01300") && after.contains("01217"), after);
        STEP(Restart());
        QCOMPARE(Rows(), 4);
        QCOMPARE(Row(0), QStringList({"01300", "10;11;29;30;36;47", "R$0", "0", ""}));
        QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 1301);
    }
}

void TestContestScreen::contestsAndLinkSurviveARestart()
{
    FShell->Answers->PathAnswers = {QStringLiteral(NORVADEL_TEST_DATA "/megasena-history.tsv")};
    Ctl<QPushButton>("btnLoadFromFile")->click();
    QCOMPARE(Rows(), 3048);
    Ctl<QSpinBox>("seResConcurso")->setValue(3048);
    STEP(Type(kDrawn, QStringLiteral("0,5"), 0));
    QCOMPARE(Ctl<QLineEdit>("edtResVPago")->text(), QStringLiteral(",50"));
    Ctl<QPushButton>("btnResAdd")->click();
    QCOMPARE(Row(0), QStringList({"03048", "04;15;23;38;41;60", ",50", "0", "Novo"}));

    // An address dropped on the link box replaces the instructions' address.
    auto* link = FShell->Find<TLinkBox>(QStringLiteral("jvRichEdtLinkMega"));
    QCOMPARE(link->Lines().size(), 3);
    QMimeData data;
    data.setText(QStringLiteral("https://resultados.example/megasena"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(link->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(link->viewport(), &drop);
    QCOMPARE(link->Lines().last(), QStringLiteral("https://resultados.example/megasena"));
    QVERIFY(link->toHtml().contains(QStringLiteral("href=\"https://resultados.example/megasena\"")));

    STEP(Restart());
    QCOMPARE(Rows(), 3049);
    QCOMPARE(Row(0), QStringList({"03048", "04;15;23;38;41;60", ",50", "0", ""}));
    QCOMPARE(Row(1).first(), QStringLiteral("03047"));
    QCOMPARE(Row(3047).first(), QStringLiteral("00001"));
    QCOMPARE(frmLancaRes->iNovos(), 0);
    QCOMPARE(Ctl<QSpinBox>("seResConcurso")->value(), 3049);
    QCOMPARE(FShell->ProgramText(QStringLiteral("Link.txt")),
             QStringLiteral("Acesse o site clicando no link abaixo\r\n"
                            "Caso o link esteja desatualizado arraste do seu browser para cá para atualizar.\r\n"
                            "https://resultados.example/megasena\r\n"));
    QCOMPARE(FShell->Find<TLinkBox>(QStringLiteral("jvRichEdtLinkMega"))->Lines().last(),
             QStringLiteral("https://resultados.example/megasena"));
}

void TestContestScreen::linkFileFallsBackToTheConfigurationFolder()
{
    REQUIRE_FILE_MODES();
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/Link.txt");
    QFile::remove(config);
    FShell->Close();
    FShell->ProgramFile(QStringLiteral("Link.txt"), "Resultados\r\nhttps://programa.example/\r\n");
    const QString program = FShell->Program();
    FShell->Start()->setLogado(true);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    QTest::mouseClick(Ctl<QPushButton>("btnLancaConcurso"), Qt::LeftButton);
    QVERIFY(frmLancaRes);
    // Read from the program folder until a first save elsewhere.
    QCOMPARE(frmLancaRes->LinkFileName(), config);
    QCOMPARE(frmLancaRes->jvRichEdtLinkMega->Lines(), QStringList({"Resultados", "https://programa.example/"}));
    FShell->Close();
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(ReadAll(config), QByteArray("Resultados\r\nhttps://programa.example/\r\n"));
    QCOMPARE(ReadAll(program + QStringLiteral("Link.txt")), QByteArray("Resultados\r\nhttps://programa.example/\r\n"));
    QFile::remove(config);
}

// Receives the addresses the program hands to the desktop's browser.
class TUrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> Urls;
public Q_SLOTS:
    void Open(const QUrl& aUrl) { Urls.append(aUrl); }
};

void TestContestScreen::linkOpensInTheBrowser()
{
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open");
    auto* link = FShell->Find<TLinkBox>(QStringLiteral("jvRichEdtLinkMega"));
    link->resize(700, 120);
    const QTextCursor address = link->document()->find(QStringLiteral("megasena_resultado"));
    QVERIFY(!address.isNull());
    const QPoint at = link->cursorRect(address).center();
    QTest::mouseClick(link->viewport(), Qt::LeftButton, {}, at);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.Urls, QList<QUrl>{QUrl(QStringLiteral("http://www1.caixa.gov.br/loterias/loterias/megasena/"
                                                           "megasena_resultado.asp"))});
}

void TestContestScreen::firstBoxBlinks()
{
    auto* box = Ctl<QLineEdit>("cxtxtdt1");
    auto* timer = frmLancaRes->tmrResultPiscar;
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 3000);
    const QColor window = box->palette().color(QPalette::Base);
    for (int tick = 0; tick < 4; ++tick) {
        frmLancaRes->tmrResultPiscarTimer();
        const bool silver = tick % 2 == 0;
        QCOMPARE(box->palette().color(QPalette::Base), silver ? QColor(0xC0, 0xC0, 0xC0) : window);
        QCOMPARE(timer->interval(), silver ? 500 : 3000);
    }
}

int main(int aArgc, char** aArgv)
{
    QApplication app(aArgc, aArgv);
    QStandardPaths::setTestModeEnabled(true);
    TestContestScreen test;
    return RunShellTests(test, aArgc, aArgv);
}

#include "TestContestScreen.moc"
