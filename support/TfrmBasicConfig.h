#pragma once

// TfrmBasicConfig: the basic settings, in BasicConfig.ini: the documents folder under which every
// user's data is kept and the main window's background picture (and a password-system choice
// that the program keeps fixed). Read when the form is created; written by "Aceitar" and when the
// form is destroyed. A changed documents folder takes effect at the next start.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTextEdit;
class TIniFile;
class TLinkLabel;

enum TSSenha
{
    ssBasic,
    ssBD,
    ssNone
};

class TfrmBasicConfig : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmBasicConfig(QWidget* aParent = nullptr);
    ~TfrmBasicConfig() override;

    QString iImagem() const { return FImagem; }
    void SetiImagem(const QString& aValue);
    QString iFolder() const { return FFolder; }
    void SetiFolder(const QString& aValue);
    TSSenha iSSenha() const { return FSSenha; }
    // 0, 1 and 2 select their radio item; any other value leaves the radio group alone.
    void SetiSSenha(int aValue);
    // Raised by "Avançado..."; nobody sets it in this program.
    std::function<void(QObject*)> iAvancado;

    // Writes the settings to BasicConfig.ini. Throws EInOutError when the file cannot be written.
    void IniWrite();
    // Loads the picture named in edtPathBasicBG as the main window's background, when that file exists.
    void SetBackground();
    // Puts aLog on top of the information box.
    void IncLog(const QString& aLog);

    QGroupBox* cxGrpSSenha;
    QButtonGroup* FSSenhaItems;
    TLinkLabel* lblbackground;
    QLineEdit* edtPathBasicBG;
    TLinkLabel* lblPersonalFolder;
    QLineEdit* edtDocumentFolder;
    QPushButton* btn1;
    QPushButton* cxButton6;
    QTextEdit* cxRichInformacoes;

private:
    void btn1Click();
    void cxButton6Click();
    void lblbackgroundClick();
    void lblPersonalFolderClick();

    QString FImagem;
    QString FFolder;
    TSSenha FSSenha = ssBasic;
    QString FOlderFolder;
    std::unique_ptr<TIniFile> FIni;
    QString FIniFileName;
};

extern QPointer<TfrmBasicConfig> frmBasicConfig;
