#pragma once

// The exception kinds the program raises. The handler (support/TMyException) names an
// exception by its exact dynamic type, so every kind here is a class of its own; the
// derivations follow the platform's family tree so that a caller may still catch a
// whole family (every file error is an EInOutError, every kind is an Exception).

#include <QString>

#include <exception>
#include <string>

class Exception : public std::exception
{
public:
    explicit Exception(const QString& aMessage = QString()) : FMessage(aMessage), FUtf8(aMessage.toStdString()) {}
    const QString& Message() const { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

#define NORVADEL_EXCEPTION(aName, aBase)                                                                               \
    class aName : public aBase                                                                                         \
    {                                                                                                                  \
    public:                                                                                                            \
        using aBase::aBase;                                                                                            \
    };

// The silent-abort kind: the event loop drops it without a log entry.
NORVADEL_EXCEPTION(EAbort, Exception)

NORVADEL_EXCEPTION(EHeapException, Exception)
NORVADEL_EXCEPTION(EOutOfMemory, EHeapException)
NORVADEL_EXCEPTION(EInvalidPointer, EHeapException)
NORVADEL_EXCEPTION(EInOutError, Exception)
NORVADEL_EXCEPTION(EDirectoryNotFoundException, EInOutError)
NORVADEL_EXCEPTION(EFileNotFoundException, EInOutError)
NORVADEL_EXCEPTION(EPathTooLongException, EInOutError)
NORVADEL_EXCEPTION(EExternal, Exception)
NORVADEL_EXCEPTION(EExternalException, EExternal)
NORVADEL_EXCEPTION(EIntError, EExternal)
NORVADEL_EXCEPTION(EDivByZero, EIntError)
NORVADEL_EXCEPTION(ERangeError, EIntError)
NORVADEL_EXCEPTION(EIntOverflow, EIntError)
NORVADEL_EXCEPTION(EMathError, EExternal)
NORVADEL_EXCEPTION(EInvalidOp, EMathError)
NORVADEL_EXCEPTION(EZeroDivide, EMathError)
NORVADEL_EXCEPTION(EOverflow, EMathError)
NORVADEL_EXCEPTION(EUnderflow, EMathError)
NORVADEL_EXCEPTION(EAccessViolation, EExternal)
NORVADEL_EXCEPTION(EPrivilege, EExternal)
NORVADEL_EXCEPTION(EControlC, EExternal)
NORVADEL_EXCEPTION(EStackOverflow, EExternal)
NORVADEL_EXCEPTION(EInvalidCast, Exception)
NORVADEL_EXCEPTION(EConvertError, Exception)
NORVADEL_EXCEPTION(EVariantError, Exception)
NORVADEL_EXCEPTION(EPropertyError, Exception)
NORVADEL_EXCEPTION(EPropReadOnly, EPropertyError)
NORVADEL_EXCEPTION(EPropWriteOnly, EPropertyError)
NORVADEL_EXCEPTION(EAssertionFailed, Exception)
NORVADEL_EXCEPTION(EAbstractError, Exception)
NORVADEL_EXCEPTION(EIntfCastError, Exception)
NORVADEL_EXCEPTION(EInvalidContainer, Exception)
NORVADEL_EXCEPTION(EInvalidInsert, Exception)
NORVADEL_EXCEPTION(EPackageError, Exception)
NORVADEL_EXCEPTION(EOSError, Exception)
NORVADEL_EXCEPTION(EWin32Error, EOSError)
NORVADEL_EXCEPTION(ESafecallException, Exception)
NORVADEL_EXCEPTION(EMonitor, Exception)
NORVADEL_EXCEPTION(EMonitorLockException, Exception)
NORVADEL_EXCEPTION(ENoMonitorSupportException, Exception)
NORVADEL_EXCEPTION(EProgrammerNotFound, Exception)
NORVADEL_EXCEPTION(ENotImplemented, Exception)
NORVADEL_EXCEPTION(EListError, Exception)
NORVADEL_EXCEPTION(EInvalidOpException, Exception)
NORVADEL_EXCEPTION(ENoConstructException, Exception)
NORVADEL_EXCEPTION(ENotSupportedException, Exception)
NORVADEL_EXCEPTION(EArgumentException, Exception)
NORVADEL_EXCEPTION(EArgumentOutOfRangeException, EArgumentException)
NORVADEL_EXCEPTION(EArgumentNilException, EArgumentException)

#undef NORVADEL_EXCEPTION
