#include "app/TWorkScreens.h"

#include "lottery/TfrmCadAposta.h"
#include "lottery/TfrmLancaRes.h"

#include <vector>

namespace {
std::vector<TWorkScreen>& Table()
{
    // Rows of the program's screens, as they join:
    //   {"btnConferencia", "Conferência", "Conferência de resultados", <frmConferencia>, <its iShow>}
    static std::vector<TWorkScreen> table{
        {QStringLiteral("btnCadAposta"),
         QStringLiteral("Cadastro de apostas"),
         QStringLiteral("Cadastro de apostas"),
         [](QWidget* aOwner) -> TfrmBasic* {
             if (!frmCadAposta)
                 frmCadAposta = new TfrmCadAposta(aOwner);
             return frmCadAposta;
         },
         {}},
        {QStringLiteral("btnLancaConcurso"),
         QStringLiteral("Lança Concurso"),
         QStringLiteral("Cadastro de concursos"),
         [](QWidget* aOwner) -> TfrmBasic* {
             if (!frmLancaRes)
                 frmLancaRes = new TfrmLancaRes(aOwner);
             return frmLancaRes;
         },
         {}},
    };
    return table;
}
} // namespace

const TWorkScreen* FindWorkScreen(const QString& aButton)
{
    for (const TWorkScreen& screen : Table())
        if (screen.Button == aButton && screen.Instance)
            return &screen;
    return nullptr;
}

void RegisterWorkScreen(const TWorkScreen& aScreen)
{
    for (TWorkScreen& screen : Table()) {
        if (screen.Button == aScreen.Button) {
            screen = aScreen;
            return;
        }
    }
    Table().push_back(aScreen);
}
