#pragma once
// The error raised when a COM object cannot be created; the toolkit shows its Message.
#include <stdexcept>
#include <string>
#include <windows.h>
#include <objbase.h>

class EOleSysError : public std::runtime_error {
public:
    EOleSysError(HRESULT errorCode, const std::wstring& message);
    HRESULT ErrorCode() const { return FErrorCode; }
    const std::wstring& Message() const { return FMessage; }

private:
    HRESULT FErrorCode;
    std::wstring FMessage;
};

// The system's text for an HRESULT, without the trailing line break; a fixed text with the
// number when the system has none.
std::wstring SystemErrorMessage(HRESULT errorCode);

// Raises EOleSysError for a failing result, naming the class whose object was being created.
void OleCheckCreation(HRESULT result, REFCLSID classId);
