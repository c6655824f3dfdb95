#include "app/TfrmSobreNorvadel.h"

#include "app/Dialogs.h"

#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

QPointer<TfrmSobreNorvadel> frmSobreNorvadel;

TfrmSobreNorvadel::TfrmSobreNorvadel(QWidget* aParent) : TFrmSobre(aParent)
{
    setObjectName(QStringLiteral("frmSobreNorvadel"));
    cxMemoNoticias = new QPlainTextEdit(PageSobre);
    cxMemoNoticias->setObjectName(QStringLiteral("cxMemoNoticias"));
    cxMemoNoticias->setReadOnly(true);
    cxMemoNoticias->setPlainText(QStringLiteral(
        "Olá!\n\n"
        "O Norvadel nasceu da vontade de conferir as apostas da Mega-Sena sem papel, sem pressa e sem "
        "erro: guarde seus jogos em grupos, lance os concursos e deixe o programa contar os acertos.\n\n"
        "Sua opinião faz o programa melhorar. Conte o que funcionou, o que faltou e o que atrapalhou.\n\n"
        "Atenção: a atualização interrompe o programa em uso. Por isso, depois de uma atualização, o "
        "relatório de falha pode aparecer na próxima abertura; é esperado."));
    PageSobre->layout()->addWidget(cxMemoNoticias);

    cxMemo1 = new QPlainTextEdit(PageColaboradores);
    cxMemo1->setObjectName(QStringLiteral("cxMemo1"));
    cxMemo1->setReadOnly(true);
    cxMemo1->setPlainText(
        QStringLiteral("Obrigado a todos que testaram as primeiras versões, relataram falhas e sugeriram melhorias. "
                       "Cada aposta conferida aqui tem um pouco do trabalho de vocês."));
    PageColaboradores->layout()->addWidget(cxMemo1);

    lbl1 = new QLabel(QStringLiteral("Não implementado nesta versão"), PageInscricao);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    PageInscricao->layout()->addWidget(lbl1);

    lbl2 = new QLabel(
        QStringLiteral("Recomendo salvar seu trabalho antes de atualizar...\nCaso isto seja aplicável à este software"),
        FRightColumn);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    btnAtualizar = new QPushButton(QStringLiteral("Atualizar"), FRightColumn);
    btnAtualizar->setObjectName(QStringLiteral("btnAtualizar"));
    btnAtualizar->setFixedSize(159, 92);
    connect(btnAtualizar, &QPushButton::clicked, this, &TfrmSobreNorvadel::btnAtualizarClick);
    FRightColumn->layout()->addWidget(lbl2);
    FRightColumn->layout()->addWidget(btnAtualizar);
    FRightColumn->layout()->setAlignment(btnAtualizar, Qt::AlignHCenter);

    cxPageControl1->setCurrentIndex(0);
}

void TfrmSobreNorvadel::btnAtualizarClick()
{
    // Updates are not offered: the program is installed through the system's packages.
    Dialogs::Message(this, QStringLiteral("Não implementado nesta versão"));
}
