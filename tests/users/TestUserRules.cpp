// The account rules and the account file: names, values, who may write which record, the
// recent list, the layout of Logins.inx and the login and recovery checks on real files.

#include "users/TLogins.h"
#include "users/UserRules.h"
#include "util/Crypt.h"
#include "util/TextCodec.h"
#include "tests/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestUserRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { SetCryptStartSource({}); }
    void paths();
    void loginNames_data();
    void loginNames();
    void plainValues_data();
    void plainValues();
    void secretsAcceptWhatTheCipherBringsBack_data();
    void secretsAcceptWhatTheCipherBringsBack();
    void recentListKeepsFiveNewestFirst();
    void refusals_data();
    void refusals();
    void editWritesTheLoggedInUsersRecord();
    void checksRunInOrder_data();
    void checksRunInOrder();
    void fileLayoutAndCipheredSecrets();
    void loginChecks();
    void damagedPasswordIsAWrongPassword();
    void recovery_data();
    void recovery();
    void recentListIsStoredAloneAndSurvives();
    void missingFileHasNoUsersAndIsNotCreatedByReading();
};

namespace {
TRegistration Complete()
{
    TRegistration r;
    r.Tipo = kTipoRegistro;
    r.Name = QStringLiteral("Maria Souza");
    r.Empresa = QStringLiteral("Loja");
    r.Email = QStringLiteral("maria@exemplo");
    r.Senha = QStringLiteral("Senha123");
    r.SenhaAgain = r.Senha;
    r.Pergunta = QStringLiteral("Filme predileto");
    r.Resposta = QStringLiteral("Tubarão");
    return r;
}

TUserRecord Record(const QString& aName, const QString& aPassword = QStringLiteral("Senha123"))
{
    return {aName,
            QStringLiteral("Loja"),
            QStringLiteral("a@b"),
            aPassword,
            QStringLiteral("Música favorita"),
            QStringLiteral("Samba")};
}

QString ReadFile(const QString& aPath)
{
    QFile file(aPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return DecodeWin1252(file.readAll());
}
} // namespace

void TestUserRules::paths()
{
    QCOMPARE(LoginsFilePath(QStringLiteral("/d/Obrix/Norvadel")), QStringLiteral("/d/Obrix/Norvadel/Logins.inx"));
    QCOMPARE(LoginsFilePath(QStringLiteral("/d/")), QStringLiteral("/d/Logins.inx"));
    QCOMPARE(UserFolderPath(QStringLiteral("/d"), QStringLiteral("Ana Lima")), QStringLiteral("/d/Ana Lima"));
}

void TestUserRules::loginNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    const QString abort = QStringLiteral(" Processo abortado!");
    QTest::newRow("two words") << "Maria Souza"
                               << "";
    QTest::newRow("accents") << "João Ação"
                             << "";
    QTest::newRow("dots inside") << "a.b..c"
                                 << "";
    QTest::newRow("empty") << ""
                           << "Nome não pode ser vazio. Processo abortado!";
    QTest::newRow("None") << "None"
                          << "O nome \"None\" não pode ser usado como nome de login." + abort;
    QTest::newRow("none") << "none"
                          << "O nome \"none\" não pode ser usado como nome de login." + abort;
    QTest::newRow("dot") << "."
                         << "O nome \".\" não pode ser usado como nome de login." + abort;
    QTest::newRow("dot dot") << ".."
                             << "O nome \"..\" não pode ser usado como nome de login." + abort;
    QTest::newRow("slash") << "../x"
                           << "Nome de login não pode conter \"/\"." + abort;
    QTest::newRow("backslash") << "a\\b"
                               << "Nome de login não pode conter \"\\\"." + abort;
    QTest::newRow("equals") << "a=b"
                            << "Nome de login não pode conter \"=\"." + abort;
    QTest::newRow("less") << "<Key"
                          << "Nome de login não pode conter \"<\"." + abort;
    QTest::newRow("greater") << "a>"
                             << "Nome de login não pode conter \">\"." + abort;
    QTest::newRow("bar") << "a|b"
                         << "Nome de login não pode conter \"|\"." + abort;
    QTest::newRow("tab") << "a\tb"
                         << "Nome de login contém um caractere que não pode ser gravado." + abort;
    QTest::newRow("outside the file's code page")
        << QString::fromUtf8("Ŵ") << "Nome de login contém um caractere que não pode ser gravado." + abort;
}

void TestUserRules::loginNames()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QCOMPARE(LoginNameProblem(name), problem);
}

void TestUserRules::plainValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem");
    QTest::newRow("ordinary") << "Ação & Cia. <ltda>"
                              << "";
    QTest::newRow("euro is in the code page") << "€ 5"
                                              << "";
    QTest::newRow("equals") << "a=b"
                            << "Email não pode conter \"=\". Processo abortado!";
    QTest::newRow("bar") << "a|b"
                         << "Email não pode conter \"|\". Processo abortado!";
    QTest::newRow("outside the code page")
        << QString::fromUtf8("ŵ") << "Email contém um caractere que não pode ser gravado. Processo abortado!";
}

void TestUserRules::plainValues()
{
    QFETCH(QString, value);
    QFETCH(QString, problem);
    QCOMPARE(PlainValueProblem(QStringLiteral("Email"), value), problem);
}

void TestUserRules::secretsAcceptWhatTheCipherBringsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    // Secrets are stored enciphered, so "=" and "|" never reach the file.
    QTest::newRow("equals and bar") << "a=b|c" << true;
    QTest::newRow("code 254") << QString(QChar(254)) << true;
    QTest::newRow("code 255") << QString(QChar(255)) << false;
    QTest::newRow("euro sign") << QString::fromUtf8("€") << false;
}

void TestUserRules::secretsAcceptWhatTheCipherBringsBack()
{
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QCOMPARE(SecretProblem(QStringLiteral("Senha"), value).isEmpty(), accepted);
    if (accepted)
        QCOMPARE(Crypt(QStringLiteral("D"), Crypt(QStringLiteral("C"), value, QStringLiteral("Ana ")),
                       QStringLiteral("Ana ")),
                 value);
}

void TestUserRules::recentListKeepsFiveNewestFirst()
{
    QStringList list;
    for (const char* name : {"u1", "u2", "u3", "u4", "u5"})
        QVERIFY(RecentUserPush(list, QString::fromLatin1(name)));
    QCOMPARE(list, QStringList({"u5", "u4", "u3", "u2", "u1"}));
    QVERIFY(RecentUserPush(list, QStringLiteral("u6")));
    QCOMPARE(list, QStringList({"u6", "u5", "u4", "u3", "u2"}));
    // A name already listed moves up and is not stored again.
    QVERIFY(!RecentUserPush(list, QStringLiteral("u3")));
    QCOMPARE(list, QStringList({"u3", "u6", "u5", "u4", "u2"}));
    // Names are told apart exactly.
    QVERIFY(RecentUserPush(list, QStringLiteral("U3")));
    QCOMPARE(list, QStringList({"U3", "u3", "u6", "u5", "u4"}));
    // A list made longer outside the program comes back to five.
    QStringList longList{"a", "b", "c", "d", "e", "f", "g"};
    QVERIFY(RecentUserPush(longList, QStringLiteral("h")));
    QCOMPARE(longList, QStringList({"h", "a", "b", "c", "d"}));
}

void TestUserRules::refusals_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("logado");
    QTest::addColumn<QString>("refusal");
    const QString taken = QStringLiteral("Este nome de usuário já está registrado.");
    QTest::newRow("register new") << "Registro"
                                  << "Pedro" << false << "";
    QTest::newRow("register taken") << "Registro"
                                    << "Maria Souza" << false << taken;
    QTest::newRow("register taken, other case") << "Registro"
                                                << "MARIA souza" << false << taken;
    QTest::newRow("accented letter case differs") << "Registro"
                                                  << "ANA" << false << "";
    QTest::newRow("after unknown login, new") << ""
                                              << "Pedro" << false << "";
    QTest::newRow("after unknown login, other case") << ""
                                                     << "maria souza" << true << taken;
    QTest::newRow("edit without login") << "Editar"
                                        << "Maria Souza" << false << "Faça o login para editar o seu perfil.";
    QTest::newRow("edit logged in") << "Editar"
                                    << "Maria Souza" << true << "";
}

void TestUserRules::refusals()
{
    QFETCH(QString, tipo);
    QFETCH(QString, name);
    QFETCH(bool, logado);
    QFETCH(QString, refusal);
    TRegistration r = Complete();
    r.Tipo = tipo;
    r.Name = name;
    r.Logado = logado;
    r.LoginName = logado ? QStringLiteral("Maria Souza") : QString();
    // "ana" with a lower-case accented letter: the file tells "Ana" from "ANA" by the A's only.
    QCOMPARE(RegistrationRefusal(r, {QStringLiteral("Maria Souza"), QString::fromUtf8("ãna")}), refusal);
}

void TestUserRules::editWritesTheLoggedInUsersRecord()
{
    TRegistration r = Complete();
    r.Tipo = kTipoEditar;
    r.Name = QStringLiteral("Outro");
    r.Logado = true;
    r.LoginName = QStringLiteral("Maria Souza");
    QCOMPARE(RegistrationTarget(r), QStringLiteral("Maria Souza"));
    r.Tipo = kTipoRegistro;
    QCOMPARE(RegistrationTarget(r), QStringLiteral("Outro"));
}

void TestUserRules::checksRunInOrder_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("all pass") << ""
                              << ""
                              << "";
    QTest::newRow("1 name") << "Name"
                            << ""
                            << "Nome não pode ser vazio. Processo abortado!";
    QTest::newRow("2 company") << "Empresa"
                               << ""
                               << "Empresa não pode ser vazia. Processo abortado!";
    QTest::newRow("2 company cut") << "Empresa"
                                   << "A=B"
                                   << "Empresa não pode conter \"=\". Processo abortado!";
    QTest::newRow("3 e-mail") << "Email"
                              << ""
                              << "Email não pode ser vazio. Processo abortado!";
    QTest::newRow("3 e-mail cut") << "Email"
                                  << "a|b"
                                  << "Email não pode conter \"|\". Processo abortado!";
    QTest::newRow("4 password") << "Senha"
                                << ""
                                << "Senha não pode ser vazia. Processo abortado!";
    QTest::newRow("5 repeat") << "SenhaAgain"
                              << "x"
                              << "Senha de conferência não é igual a senha digitada. Processo abortado!";
    QTest::newRow("6 question") << "Pergunta"
                                << "None"
                                << "Não foi selecionada nenhuma pergunta. Processo abortado!";
    QTest::newRow("7 answer") << "Resposta"
                              << ""
                              << "Resposta não pode ser vazia! Processo abortado!";
    QTest::newRow("7 answer cipher") << "Resposta" << QString::fromUtf8("€")
                                     << "Resposta contém um caractere que não pode ser gravado. Processo abortado!";
    QTest::newRow("blanks pass") << "Empresa"
                                 << "  "
                                 << "";
}

void TestUserRules::checksRunInOrder()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    const QStringList order{"Name", "Empresa", "Email", "Senha", "SenhaAgain", "Pergunta", "Resposta"};
    auto set = [](TRegistration& r, const QString& aField, const QString& aValue) {
        QString* target[] = {&r.Name, &r.Empresa, &r.Email, &r.Senha, &r.SenhaAgain, &r.Pergunta, &r.Resposta};
        const QStringList names{"Name", "Empresa", "Email", "Senha", "SenhaAgain", "Pergunta", "Resposta"};
        *target[names.indexOf(aField)] = aValue;
    };
    TRegistration r = Complete();
    if (!field.isEmpty())
        set(r, field, value);
    QCOMPARE(RegistrationCheckFailure(r), message);
    if (field.isEmpty() || message.isEmpty())
        return;
    // Every later field wrong as well: the earlier failure is still the one reported.
    const QStringList wrong{"", "", "", "", "y", "None", ""};
    for (qsizetype i = order.indexOf(field) + 1; i < order.size(); ++i)
        set(r, order[i], wrong[i]);
    QCOMPARE(RegistrationCheckFailure(r), message);
}

void TestUserRules::fileLayoutAndCipheredSecrets()
{
    QTemporaryDir dir;
    const QString path = LoginsFilePath(dir.path());
    SetCryptStartSource([] { return 0; });
    {
        TLogins logins(path);
        logins.WriteUser(Record(QStringLiteral("Maria Souza")));
        QVERIFY(logins.Save());
    }
    const QString text = ReadFile(path);
    // Plain keys, then the three secrets enciphered with the first word of the name and its blank.
    const QString expected =
        QStringLiteral("<Section=Logins>\r\n<Header=Maria Souza>\r\n"
                       "<Key=Nome>\r\nS|Maria Souza\r\n</Key>\r\n"
                       "<Key=Empresa>\r\nS|Loja\r\n</Key>\r\n"
                       "<Key=Email>\r\nS|a@b\r\n</Key>\r\n"
                       "<Key=Senha>\r\nS|00030D1FF5362B3414\r\n</Key>\r\n"
                       "<Key=Pergunta>\r\nS|%1\r\n</Key>\r\n"
                       "<Key=Resposta>\r\nS|%2\r\n</Key>\r\n"
                       "</Header>\r\n</Section>\r\n")
            .arg(Crypt(QStringLiteral("C"), QStringLiteral("Música favorita"), QStringLiteral("Maria ")),
                 Crypt(QStringLiteral("C"), QStringLiteral("Samba"), QStringLiteral("Maria ")));
    QVERIFY2(text.contains(expected), qPrintable(text));
    for (const char* secret : {"Senha123", "Música", "Samba"})
        QVERIFY(!text.contains(QString::fromUtf8(secret)));
    // Reversible ciphers protect nothing from someone who can read the file: only its owner can.
    QCOMPARE(ModeText(path), QStringLiteral("600"));
}

void TestUserRules::loginChecks()
{
    QTemporaryDir dir;
    const QString path = LoginsFilePath(dir.path());
    {
        TLogins logins(path);
        logins.WriteUser(Record(QStringLiteral("Maria Souza"), QStringLiteral("a=b|c: a long password")));
        logins.WriteUser(Record(QStringLiteral("Ana")));
        QVERIFY(logins.Save());
    }
    TLogins logins(path);
    QCOMPARE(logins.Users(), QStringList({"Maria Souza", "Ana"}));
    QCOMPARE(logins.CheckLogin(QStringLiteral("Maria Souza"), QStringLiteral("a=b|c: a long password"),
                               QStringLiteral("Maria ")),
             lrOK);
    QCOMPARE(logins.CheckLogin(QStringLiteral("Maria Souza"), QStringLiteral("a=b"), QStringLiteral("Maria ")),
             lrWrongPassword);
    // Past the fixed part of the key the suffix counts: another suffix does not match.
    QCOMPARE(logins.CheckLogin(QStringLiteral("Maria Souza"), QStringLiteral("a=b|c: a long password"),
                               QStringLiteral("Mari")),
             lrWrongPassword);
    QCOMPARE(logins.CheckLogin(QStringLiteral("maria souza"), QStringLiteral("a=b|c: a long password"),
                               QStringLiteral("maria ")),
             lrUnknownUser);
    QCOMPARE(logins.CheckLogin(QStringLiteral("Ana "), QStringLiteral("Senha123"), QStringLiteral("Ana ")),
             lrUnknownUser);
    QCOMPARE(logins.CheckLogin(QStringLiteral("Ana"), QStringLiteral("Senha123"), QStringLiteral("Ana")), lrOK);
    QCOMPARE(logins.PublicInfo(QStringLiteral("Ana")).Email, QStringLiteral("a@b"));
    QCOMPARE(logins.PublicInfo(QStringLiteral("ana")).Nome, QString());
}

void TestUserRules::damagedPasswordIsAWrongPassword()
{
    QTemporaryDir dir;
    const QString path = LoginsFilePath(dir.path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "<Section=Logins>\r\n<Header=Ana>\r\n<Key=Nome>\r\nS|Ana\r\n</Key>\r\n<Key=Senha>\r\nS|ZZ12\r\n</Key>\r\n"
        "</Header>\r\n<Header=..>\r\n<Key=Senha>\r\nS|\r\n</Key>\r\n</Header>\r\n</Section>\r\n");
    file.close();
    TLogins logins(path);
    QCOMPARE(logins.CheckLogin(QStringLiteral("Ana"), QStringLiteral("ZZ12"), QStringLiteral("Ana")), lrWrongPassword);
    // A header that could not be a login name is never logged into, not even with its empty password.
    QCOMPARE(logins.CheckLogin(QStringLiteral(".."), QString(), QStringLiteral("..")), lrUnknownUser);
}

void TestUserRules::recovery_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("recovered");
    QTest::newRow("right") << "Ana Lima" << QStringList{"Música favorita"} << "Samba" << true;
    QTest::newRow("name in other case, as the file finds it")
        << "ana lima" << QStringList{"Música favorita"} << "Samba" << true;
    QTest::newRow("among several checked")
        << "Ana Lima" << QStringList{"Filme predileto", "Música favorita"} << "Samba" << true;
    QTest::newRow("wrong question") << "Ana Lima" << QStringList{"Filme predileto"} << "Samba" << false;
    QTest::newRow("no question") << "Ana Lima" << QStringList{} << "Samba" << false;
    QTest::newRow("answer case") << "Ana Lima" << QStringList{"Música favorita"} << "samba" << false;
    QTest::newRow("unknown name, empty answer") << "Ninguém" << QStringList{"Música favorita"} << "" << false;
    QTest::newRow("the section itself") << "None" << QStringList{"Música favorita"} << "" << false;
}

void TestUserRules::recovery()
{
    QFETCH(QString, login);
    QFETCH(QStringList, questions);
    QFETCH(QString, answer);
    QFETCH(bool, recovered);
    QTemporaryDir dir;
    const QString path = LoginsFilePath(dir.path());
    {
        TLogins logins(path);
        logins.WriteUser(Record(QStringLiteral("Ana Lima"), QStringLiteral("pa|ss")));
        QVERIFY(logins.Save());
    }
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    {
        TLogins logins(path);
        QString password = QStringLiteral("kept");
        QCOMPARE(logins.RecoverPassword(login, questions, answer, password), recovered);
        QCOMPARE(password, recovered ? QStringLiteral("pa|ss") : QStringLiteral("kept"));
    }
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
}

void TestUserRules::recentListIsStoredAloneAndSurvives()
{
    QTemporaryDir dir;
    const QString path = LoginsFilePath(dir.path());
    TLogins stale(path); // read before the registration below
    {
        TLogins logins(path);
        logins.WriteUser(Record(QStringLiteral("Ana")));
        QVERIFY(logins.Save());
    }
    QVERIFY(TLogins::StoreRecentUsers(path, {QStringLiteral("Ana"), QStringLiteral("Bia")}));
    QVERIFY(stale.RecentUsers().isEmpty());
    TLogins logins(path);
    QCOMPARE(logins.RecentUsers(), QStringList({"Ana", "Bia"}));
    QCOMPARE(logins.Users(), QStringList({"Ana"}));
    QVERIFY(ReadFile(path).contains(
        QStringLiteral("<Section=Ultimos>\r\n<Header=Lista>\r\n<Mult=LastFive>\r\nAna\r\nBia\r\n</Mult>\r\n")));
}

void TestUserRules::missingFileHasNoUsersAndIsNotCreatedByReading()
{
    QTemporaryDir dir;
    const QString path = LoginsFilePath(dir.path());
    {
        TLogins logins(path);
        QVERIFY(logins.Users().isEmpty());
        QVERIFY(logins.RecentUsers().isEmpty());
        QCOMPARE(logins.CheckLogin(QStringLiteral("Ana"), QStringLiteral("x"), QStringLiteral("Ana")), lrUnknownUser);
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestUserRules)
#include "TestUserRules.moc"
