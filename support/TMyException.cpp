#include "support/TMyException.h"

#include "util/Exceptions.h"
#include "util/LogFile.h"

#include <any>
#include <filesystem>
#include <functional>
#include <ios>
#include <memory>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <typeinfo>
#include <variant>

std::unique_ptr<TMyException> MyException;

namespace {
struct TKindMessage
{
    const std::type_info& Kind;
    const char* Message; // UTF-8
};

// Searched in order; a kind matches only itself.
const TKindMessage kKinds[] = {
    {typeid(EInvalidPointer), "Erro de Ponteiro."},
    {typeid(EAccessViolation), "Acesso à memória inválido."},
    {typeid(EConvertError), "Erro de Conversão de tipos."},
    {typeid(EDivByZero), "Divisão por zero."},
    {typeid(EInOutError), "Erro de entrada e saída."},
    {typeid(EIntOverflow), "Overflow em inteiro."},
    {typeid(EInvalidCast), "TypeCast inválido."},
    {typeid(EInvalidOp), "Operação de ponto flutuante inválida."},
    {typeid(EOutOfMemory), "Memória insuficiente."},
    {typeid(EOverflow), "Resultado de um cálculo com número real excedeu o limite."},
    {typeid(ERangeError), "Valor excede o limite do tipo inteiro ao qual foi atribuída"},
    {typeid(EUnderflow), "Resultado de um cálculo com número real é menor que a faixa válida"},
    {typeid(EVariantError), "Erro em operação com variant"},
    {typeid(EZeroDivide), "Divisão de real por zero"},
    {typeid(EArgumentException), "Erro de argumento."},
    {typeid(EArgumentOutOfRangeException), "Erro de argumento Limite fora do permitido."},
    {typeid(EArgumentNilException), "Argumento nulo não permitido"},
    {typeid(EPathTooLongException), "Caminho muito longo."},
    {typeid(ENotSupportedException), "Não suportado."},
    {typeid(EDirectoryNotFoundException), "Pasta não encontrada"},
    {typeid(EFileNotFoundException), "Arquivo não encontrado"},
    {typeid(EListError), "Erro de listagem."},
    {typeid(EInvalidOpException), "Operação inválida."},
    {typeid(ENoConstructException), "Sem construtor."},
    {typeid(EHeapException), "Erro no heap."},
    {typeid(EExternal), "Erro externo."},
    {typeid(EExternalException), "Erro externo."},
    {typeid(EMathError), "Erro de comparação."},
    {typeid(EPrivilege), "Privilégio requerido."},
    {typeid(EStackOverflow), "Stack Overflow."},
    {typeid(EControlC), "Erro de Controle."},
    {typeid(EPropReadOnly), "Erro de leitura de propriedade."},
    {typeid(EPropWriteOnly), "Erro de escrita em propiedade."},
    {typeid(EAssertionFailed), "Assertion Falhou."},
    {typeid(EAbstractError), "Erro abstrato."},
    {typeid(EIntfCastError), "IntF Cast Error."},
    {typeid(EInvalidContainer), "Container inválido."},
    {typeid(EInvalidInsert), "Inserção inválida."},
    {typeid(EPackageError), "Erro de Pacote."},
    {typeid(EOSError), "Erro do Sistem Operacional."},
    {typeid(EWin32Error), "Erro em Win32."},
    {typeid(ESafecallException), "SafeCall Error."},
    {typeid(EMonitor), "Monitor Error."},
    {typeid(EMonitorLockException), "Erro de trancamento de Monitor."},
    {typeid(ENoMonitorSupportException), "Monitor não suportado."},
    {typeid(EProgrammerNotFound), "Programmer não encontrado."},
    {typeid(ENotImplemented), "Não implementado."},
    // Standard library kinds, each with the sentence of the closest program kind.
    {typeid(std::bad_alloc), "Memória insuficiente."},
    {typeid(std::bad_array_new_length), "Memória insuficiente."},
    {typeid(std::bad_cast), "TypeCast inválido."},
    {typeid(std::bad_any_cast), "TypeCast inválido."},
    {typeid(std::bad_weak_ptr), "Erro de Ponteiro."},
    {typeid(std::bad_variant_access), "Erro em operação com variant"},
    {typeid(std::invalid_argument), "Erro de argumento."},
    {typeid(std::out_of_range), "Erro de listagem."},
    {typeid(std::length_error), "Erro de listagem."},
    {typeid(std::domain_error), "Operação de ponto flutuante inválida."},
    {typeid(std::range_error), "Valor excede o limite do tipo inteiro ao qual foi atribuída"},
    {typeid(std::overflow_error), "Overflow em inteiro."},
    {typeid(std::underflow_error), "Resultado de um cálculo com número real é menor que a faixa válida"},
    {typeid(std::ios_base::failure), "Erro de entrada e saída."},
    {typeid(std::filesystem::filesystem_error), "Erro de entrada e saída."},
    {typeid(std::system_error), "Erro do Sistem Operacional."},
};

// Set while an entry is being written, so that nothing the writing does can log again.
thread_local bool gWriting = false;
} // namespace

QString TMyException::ExceptionText(const std::exception& E)
{
    const std::type_info& kind = typeid(E);
    for (const TKindMessage& row : kKinds) {
        if (row.Kind == kind)
            return QString::fromUtf8(row.Message);
    }
    const auto* own = dynamic_cast<const Exception*>(&E);
    return QStringLiteral("Exceção desconhecida.") + (own ? own->Message() : QString::fromUtf8(E.what()));
}

void TMyException::SetiLogString(const QString& Value)
{
    FLogString = Value;
    if (gWriting)
        return;
    gWriting = true;
    const QStringList pending = LogDetails;
    try {
        AddLogDetail(Value);
        WriteLogEntry(QStringLiteral("Ocorreu uma exceção"), LogDetails, LogFileName, QStringLiteral("Exception"));
    } catch (...) {
        // The entry is lost; the details that were pending before stay pending.
        LogDetails = pending;
    }
    gWriting = false;
}

void TMyException::AppException(QObject* Sender, const std::exception& E)
{
    Q_UNUSED(Sender);
    try {
        SetiLogString(ExceptionText(E));
    } catch (...) {
        // Only running out of memory gets here; the handler must return all the same.
    }
}

bool IsSilentAbort(const std::exception& E)
{
    return dynamic_cast<const EAbort*>(&E) != nullptr;
}

void LogErrorMessage(const QString& aMessage)
{
    try {
        if (MyException) {
            MyException->SetiLogString(aMessage);
        } else {
            TMyException standIn;
            standIn.SetiLogString(aMessage);
        }
    } catch (...) {
        // As in AppException: logging never fails outward.
    }
}
