#pragma once

// TfrmApresentaNorvadel: the welcome screen, first window of the session "Principal". Its buttons
// open the working screens and the control panel for a logged-in user; without a login each press
// puts the login message on top of the news area. It also holds the summary grid of the hits that
// checks report, and the links "Sobre" and "Ajuda".

#include "app/TfrmApresenta.h"

#include <QPointer>

class QPlainTextEdit;
class QPushButton;
class QTableView;
class TLinkLabel;
class TResultsTableModel;

class TfrmApresentaNorvadel : public TfrmApresenta
{
    Q_OBJECT
public:
    explicit TfrmApresentaNorvadel(QWidget* aParent = nullptr);

    // After a login: nothing to load.
    void Inicializa();
    // After a logout: the title, the summary grid (its row count kept) and the news are emptied.
    void Clear();
    // Puts aMessage on top of the news area.
    void News(const QString& aMessage);

    static QString LoginMessage();

    QPushButton* btnOneButton;
    QWidget* pnl1;
    QLabel* jvLbl1;
    QPushButton* btnCadAposta;
    QLabel* jvLbl2;
    QPushButton* btnLancaConcurso;
    QLabel* jvLbl3;
    QPushButton* btnConferencia;
    QPushButton* btnPainelDeControle;
    QPlainTextEdit* cxMemoNoticias;
    QLabel* lbl1;
    QTableView* advstrngrdAcertos;
    TLinkLabel* lbl2;
    TLinkLabel* lbl3;

    TResultsTableModel* Acertos() const { return FAcertos; }

    // The handlers, also run directly by the screens that open others.
    void btnCadApostaClick();
    void btnLancaConcursoClick();
    void btnConferenciaClick();
    void btnPainelDeControleClick();
    void btnOneButtonClick();
    void lbl2Click();
    void lbl3Click();

protected:
    void FormClose() override;

private:
    void WorkScreenOpen(const QString& aButton);

    TResultsTableModel* FAcertos;
};

extern QPointer<TfrmApresentaNorvadel> frmApresentaNorvadel;
